#!/usr/bin/env bash
# Builds the program and starts it on a virtual touch frame.
#   scripts/run.sh            English interface
#   scripts/run.sh --chinese  Chinese interface
#   scripts/run.sh [--chinese] -- ARGS   passes ARGS to the program (a device path)
# The frames folder is ZR_FRAMES_DIR if set, else the default one of the Wine
# user; a demo frame with factory values is created there when it holds none.
# Without a display the dialog is saved as a screenshot instead.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

lang=en
while [ $# -gt 0 ]; do
  case "$1" in
    --chinese|--zh) lang=zh; shift ;;
    --english|--en) lang=en; shift ;;
    --) shift; break ;;
    *) echo "usage: $0 [--chinese] [-- program arguments]" >&2; exit 2 ;;
  esac
done

zr_install_build_tools
if [ -z "${DISPLAY:-}" ]; then
  zr_install_missing xvfb xauth imagemagick x11-apps fonts-wqy-microhei
fi
ZR_BUILD_TARGETS="ZRApp ZRFrameTool" zr_build
zr_use_display_prefix
zr_prepare_prefix default
zr_ensure_demo_frame

if [ -z "${DISPLAY:-}" ]; then
  out="$ZR_BUILD/screenshots/zrapp-$lang.png"
  zr_log "No display found (DISPLAY is not set), so the window cannot open here."
  zr_log "Saving a screenshot of the dialog instead."
  # The screenshot shows the same frames folder the window would have used.
  ZR_FRAMES_DIR=$("$ZR_WINE" "$ZR_BUILD/bin/ZRFrameTool.exe" folder | tr -d '\r')
  export ZR_FRAMES_DIR
  "$ZR_ROOT/scripts/screenshot.sh" "$lang" "$@"
  zr_log "Screenshot saved: ${out#$ZR_ROOT/}"
  exit 0
fi

zr_log "starting ZRApp.exe ($lang)"
zr_wine_lang "$lang" "$ZR_WINE" "$ZR_BUILD/bin/ZRApp.exe" "$@"
