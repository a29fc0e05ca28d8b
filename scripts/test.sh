#!/usr/bin/env bash
# Builds everything and runs every test under Wine with no display.
# Usage: scripts/test.sh [ctest arguments...]
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

zr_install_build_tools
zr_build
zr_prepare_prefix null

# Warm the wineserver so each test does not pay for its start-up, and stop it
# afterwards so nothing holds ctest's output open.
/usr/lib/wine/wineserver -p 2>/dev/null || true
"$ZR_WINE" cmd /c exit >/dev/null 2>&1 || true
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT
unset DISPLAY
cd "$ZR_BUILD"
ctest --output-on-failure "$@"
