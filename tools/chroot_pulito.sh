#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian source package in a clean, minimal Debian 12 made by mmdebstrap, with nothing but
# build-essential and the Build-Depends of debian/control (so a missing build dependency fails the build),
# then installs the .deb there and runs its own tests (debian/tests) with autopkgtest's null runner.
# Usage: tools/chroot_pulito.sh [OUT]   (OUT: where the packages and logs go, build-chroot/ by default)
# Needs root, mmdebstrap and dpkg-dev, and the network to the Debian mirror (MIRROR, by default the one
# in this machine's apt sources, else deb.debian.org). Takes some 15 minutes and 2 GiB in /tmp.
set -euo pipefail
cd "$(dirname "$0")/.."

out=$(realpath -m "${1:-build-chroot}")
mirror=${MIRROR:-$(apt-get indextargets --format '$(SITE)' 'Codename: bookworm' 'Component: main' 2>/dev/null |
    head -n 1)}
mirror=${mirror:-http://deb.debian.org/debian}

lavoro=$(mktemp -d)
mkdir "$lavoro/fuori"
trap 'rm -rf "$lavoro"' EXIT
rm -rf "$out"
mkdir -p "$out" "$lavoro/numerella"

# The source package, from the files git knows (the build dirs stay out).
git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
    tar --null -cf - -T - | tar -xf - -C "$lavoro/numerella"
(cd "$lavoro" && dpkg-source --build numerella >/dev/null)
dsc=$(cd "$lavoro" && ls numerella_*.dsc)
echo "source package: $dsc; mirror: $mirror"

# Inside the new system: the build dependencies from the .dsc alone, the build, then the package
# installed and tried.
cat >"$lavoro/dentro.sh" <<'DENTRO'
set -eux
cd /build
apt-get update
apt-get build-dep -y --no-install-recommends ./numerella_*.dsc
dpkg-source -x numerella_*.dsc sorgente
(cd sorgente && dpkg-buildpackage -us -uc)
mkdir fuori
cp numerella_* numerella-dbgsym_* fuori/
apt-get install -y --no-install-recommends autopkgtest
autopkgtest numerella_*.changes -- null
DENTRO

# "buildd" is the essential packages, apt and build-essential.
set +e
mmdebstrap --variant=buildd \
    --customize-hook='mkdir -p "$1/build"' \
    --customize-hook="copy-in $lavoro/$dsc $lavoro/${dsc%.dsc}.tar.xz $lavoro/dentro.sh /build" \
    --customize-hook='chroot "$1" sh /build/dentro.sh' \
    --customize-hook="sync-out /build/fuori $lavoro/fuori" \
    bookworm /dev/null "deb $mirror bookworm main" >"$out/mmdebstrap.log" 2>&1
stato=$?
set -e
cp "$lavoro"/fuori/* "$out"/ 2>/dev/null || true
sed -n '/@@@@ summary/,/resetting testbed/p' "$out/mmdebstrap.log" | grep -v 'resetting testbed' || true
if [ "$stato" -ne 0 ]; then
    tail -n 40 "$out/mmdebstrap.log"
    echo "clean build FAILED (log: $out/mmdebstrap.log)" >&2
    exit 1
fi
ls -l "$out"
echo "clean build, install and autopkgtest passed (log: $out/mmdebstrap.log)"
