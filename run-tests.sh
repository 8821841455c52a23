#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, checks formatting, then builds and runs every test, plainly and with ASan/UBSan.
set -uo pipefail
cd "$(dirname "$0")" || exit 1
root=$(pwd)

failed=()
summaries=()

step() { printf '\n==> %s\n' "$*"; }

fail()
{
    failed+=("$1")
    printf 'FAILED: %s\n' "$1" >&2
}

# Runs ctest in build dir $1 (label $2, then VAR=value settings for it only), keeps its output in
# $1/ctest.log and its summary lines for the end.
run_ctest()
{
    local dir=$1 label=$2 rc
    shift 2
    env "$@" ctest --test-dir "$dir" --output-on-failure --no-tests=error --timeout "${NUMERELLA_TEST_TIMEOUT:-300}" \
        2>&1 | tee "$dir/ctest.log"
    rc=${PIPESTATUS[0]}
    local lines
    lines=$(grep -E 'tests passed|tests failed|Total Test time|No tests were found|^[[:space:]]+[0-9]+ - ' \
        "$dir/ctest.log" || true)
    summaries+=("[$label]" "${lines:-  (no ctest summary)}")
    return "$rc"
}

step "Installing missing packages and starting services"
if ! ./tools/setup.sh services; then
    echo "setup failed: cannot go on" >&2
    exit 1
fi

XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
export QT_QPA_PLATFORM=offscreen
# setup.sh started the print service: the real-printer test must run, not skip.
export NUMERELLA_CUPS=1

step "Checking formatting (clang-format)"
mapfile -t sources < <(git ls-files -- '*.cpp' '*.h')
if [ "${#sources[@]}" -eq 0 ]; then
    echo "no tracked C++ sources yet"
else
    fmtlog=$(mktemp)
    if clang-format --dry-run --Werror "${sources[@]}" >"$fmtlog" 2>&1; then
        echo "${#sources[@]} files formatted correctly"
    else
        head -n 60 "$fmtlog"
        [ "$(wc -l <"$fmtlog")" -gt 60 ] && echo "... (more; files concerned below)"
        echo "Files to reformat:"
        sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error: .*/  \1/p' "$fmtlog" | sort -u
        fail "format check (fix with: clang-format -i \$(git ls-files '*.cpp' '*.h'))"
    fi
    rm -f "$fmtlog"
fi

step "Building build/ (RelWithDebInfo)"
if cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUMERELLA_SANITIZE=OFF &&
    cmake --build build; then
    step "Testing build/"
    run_ctest build "RelWithDebInfo" || fail "tests in build/"
else
    fail "build of build/"
fi

step "Building build-asan/ (Debug, AddressSanitizer + UndefinedBehaviorSanitizer)"
if cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNUMERELLA_SANITIZE=ON &&
    cmake --build build-asan; then
    step "Testing build-asan/"
    run_ctest build-asan "sanitizers" \
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0" ||
        fail "tests in build-asan/"
else
    fail "build of build-asan/"
fi

step "Summary"
[ "${#summaries[@]}" -gt 0 ] && printf '%s\n' "${summaries[@]}"
if [ "${#failed[@]}" -gt 0 ]; then
    printf 'FAILED: %s\n' "${failed[@]}"
    exit 1
fi
echo "All checks passed."
