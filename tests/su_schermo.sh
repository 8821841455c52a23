#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on a private virtual X server (Xvfb), on the xcb platform; status 77 (skipped)
# where Xvfb is not installed.
set -uo pipefail
command -v Xvfb >/dev/null 2>&1 || exit 77
. "$(dirname "$0")/../tools/schermo.sh"
schermo_xdg nuova
schermo_xvfb || exit 1
QT_QPA_PLATFORM=xcb "$@"
exit $?
