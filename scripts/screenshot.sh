#!/usr/bin/env bash
# Renders the dialog under Xvfb on a virtual touch frame and saves PNG files
# in build/screenshots/: zrapp-en.png and zrapp-zh.png.
#   scripts/screenshot.sh [en|zh|all] [-- program arguments]
# Uses ZR_FRAMES_DIR if set, else a demo frame of its own under build/.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

which=${1:-all}
[ $# -gt 0 ] && shift
[ "${1:-}" = "--" ] && shift

zr_install_build_tools
zr_install_missing xvfb xauth imagemagick x11-apps fonts-wqy-microhei
ZR_BUILD_TARGETS="ZRApp ZRFrameTool" zr_build
zr_use_display_prefix
zr_prepare_prefix default
if [ -z "${ZR_FRAMES_DIR:-}" ]; then
  mkdir -p "$ZR_BUILD/screenshot-frames"
  ZR_FRAMES_DIR=$("$ZR_WINE" winepath -w "$ZR_BUILD/screenshot-frames" | tr -d '\r')
  export ZR_FRAMES_DIR
fi
zr_ensure_demo_frame

outdir="$ZR_BUILD/screenshots"
mkdir -p "$outdir"

display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x720x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
cleanup() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
sleep 1

shoot() {
  local lang=$1 out="$outdir/zrapp-$1.png"
  rm -f "$out"
  # A desktop window gives the dialog a title bar; Xvfb has no window manager.
  zr_wine_lang "$lang" "$ZR_WINE" explorer /desktop=zrapp,1100x560 "$ZR_BUILD/bin/ZRApp.exe" "$@" &
  local pid=$!
  sleep "${ZR_SCREENSHOT_WAIT:-6}"
  import -window root -crop 1100x560+0+0 +repage "$out"
  kill "$pid" 2>/dev/null || true
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  zr_log "saved ${out#$ZR_ROOT/}"
}

case "$which" in
  en|zh) shoot "$which" "$@" ;;
  all) shoot en "$@"; shoot zh "$@" ;;
  *) echo "usage: $0 [en|zh|all] [-- program arguments]" >&2; exit 2 ;;
esac
