#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, checks formatting, builds and runs every test, checks the desktop files, builds
# the Debian package and tests it installed, then builds and tests again with ASan/UBSan.
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

step "Installing missing packages"
if ! ./tools/setup.sh install; then
    echo "setup failed: cannot go on" >&2
    exit 1
fi

XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
export XDG_RUNTIME_DIR
# A private PostgreSQL for the school server's tests, on a Unix socket only, stopped at the end whatever
# happens; the tests stop, kill and restart it through tools/postgres.sh in this folder.
postgres_base=$(mktemp -d)
chmod 711 "$postgres_base"
export NUMERELLA_POSTGRES=$postgres_base/pg
# A private print server with a PDF queue, on its own socket: the tests print there and never see the
# machine's own print server, its queues or its default. Its filters run as lp: the folder lets them in.
stampa_base=$(mktemp -d)
chmod 755 "$stampa_base"
radice=()
[ "$(id -u)" -eq 0 ] || radice=(sudo)
finish()
{
    ./tools/postgres.sh stop "$NUMERELLA_POSTGRES" >/dev/null 2>&1
    "${radice[@]}" ./tools/stampante.sh stop "$stampa_base/cups" >/dev/null 2>&1
    "${radice[@]}" rm -rf "$stampa_base"
    rm -rf "$XDG_RUNTIME_DIR" "$postgres_base"
}
trap finish EXIT
export QT_QPA_PLATFORM=offscreen

step "Starting a private print server with a PDF queue"
if CUPS_SERVER=$("${radice[@]}" ./tools/stampante.sh start "$stampa_base/cups"); then
    export CUPS_SERVER
    echo "print server on $CUPS_SERVER"
    # The real-printer test must run, not skip.
    export NUMERELLA_CUPS=1
else
    fail "private print server"
fi

# The voice's real check starts its own sound server and speech service (tests/voce_reale.sh), private
# to it so that no other test hears them; here it must run, not skip.
export NUMERELLA_VOCE=1

step "Starting a private PostgreSQL 15"
./tools/postgres.sh start "$NUMERELLA_POSTGRES" || fail "PostgreSQL for the server tests"

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

# Checks the menu entry and the AppStream data made in build dir $1 with the validators, where installed.
validate_desktop_files()
{
    local dir=$1 f out ok=0
    if command -v desktop-file-validate >/dev/null 2>&1; then
        for f in "$dir"/installazione/*.desktop; do
            # Any message counts, warnings included.
            out=$(desktop-file-validate "$f" 2>&1) || ok=1
            [ -n "$out" ] && { printf '%s\n' "$out"; ok=1; }
        done
    else
        echo "desktop-file-validate not installed: menu entry not checked"
    fi
    if command -v appstreamcli >/dev/null 2>&1; then
        for f in "$dir"/installazione/*.metainfo.xml; do
            appstreamcli validate --no-net "$f" || ok=1
        done
    else
        echo "appstreamcli not installed: metainfo not checked"
    fi
    return "$ok"
}

# Builds the source and binary packages from debian/ in a copy of the tree under build-deb/ (the other
# build dirs stay as they are), checks the .deb's size, lintian's verdict on all of it, and tries the
# installed package with its own tests (autopkgtest, null runner: installed here, then removed again
# unless it was installed before).
check_package()
{
    local dir=$root/build-deb src deb size out rc=0 installato=0
    rm -rf "$dir"
    src=$dir/numerella
    mkdir -p "$src"
    git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
        tar --null -cf - -T - | tar -xf - -C "$src" || return 1
    (cd "$src" && dpkg-buildpackage -us -uc >"$dir/dpkg-buildpackage.log" 2>&1) || {
        tail -n 60 "$dir/dpkg-buildpackage.log"
        return 1
    }
    deb=$(ls "$dir"/numerella_*.deb)
    size=$(stat -c %s "$deb")
    echo "$(basename "$deb"): $size bytes"
    dpkg-deb -f "$deb" Depends
    [ "$size" -le $((2 * 1024 * 1024)) ] || {
        echo "package larger than 2 MiB"
        rc=1
    }
    # Errors and warnings fail, and so does any hardening tag, whatever its level.
    out=$(lintian --pedantic --display-info --fail-on error,warning "$dir"/numerella_*.changes 2>&1) || rc=1
    printf '%s\n' "$out" | grep -v 'running with root privileges'
    if printf '%s\n' "$out" | grep -q 'hardening-'; then
        echo "lintian: hardening tag"
        rc=1
    fi
    [ "$rc" -eq 0 ] && echo "lintian: clean"
    # The program as installed: every protection hardening-check knows (stack protector and stack clash,
    # fortified calls, RELRO and immediate binding, PIE, control flow), and no RUNPATH. The linker marks
    # a program as control-flow protected only when the C library's start files are marked too, and
    # Debian 12's are not: there our code's own landing instructions (endbr64, at every function whose
    # address is taken; a program built without the flag has only the start files' few) are counted.
    local programma=$dir/estratto/usr/bin/numerella senza_cet=()
    dpkg-deb -x "$deb" "$dir/estratto"
    if ! readelf -n "$(gcc -print-file-name=Scrt1.o)" 2>/dev/null | grep -q 'x86 feature: IBT, SHSTK'; then
        senza_cet=(--nocfprotection)
        if [ "$(dpkg --print-architecture)" = amd64 ] && [ "$(objdump -d "$programma" | grep -c endbr64)" -lt 100 ]; then
            echo "the installed program was built without -fcf-protection"
            rc=1
        fi
    fi
    hardening-check "${senza_cet[@]}" "$programma" || rc=1
    if readelf -d "$programma" | grep -E 'RPATH|RUNPATH'; then
        echo "the installed program has a library search path of its own"
        rc=1
    fi
    is_installed numerella && installato=1
    "${radice[@]}" autopkgtest "$dir"/numerella_*.changes -- null >"$dir/autopkgtest.log" 2>&1 || {
        cat "$dir/autopkgtest.log"
        rc=1
    }
    sed -n '/^autopkgtest .*: @@@@* summary/,/resetting testbed/p' "$dir/autopkgtest.log" | grep -v 'resetting testbed'

    [ "$installato" -eq 1 ] || "${radice[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq numerella >/dev/null 2>&1
    return "$rc"
}

is_installed()
{
    [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" = "install ok installed" ]
}

if [ -d build/installazione ]; then
    step "Validating the menu entry and the AppStream data"
    if validate_desktop_files build; then
        echo "menu entry and metainfo valid"
    else
        fail "desktop entry or metainfo"
    fi
    step "Building the Debian package and trying it installed"
    check_package || fail "Debian package"
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
