# Shared set-up for the run, test and screenshot scripts: installs what is
# missing, builds, and prepares the Wine prefix. Sourced, not run.
set -euo pipefail

ZR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ZR_BUILD=${ZR_BUILD:-$ZR_ROOT/build}
export WINEPREFIX=${WINEPREFIX:-$ZR_BUILD/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree=;mshtml="}
ZR_WINE=/usr/lib/wine/wine64

zr_log() { printf '== %s\n' "$*" >&2; }

# Installs the Debian packages of the given list that are not installed yet.
# Naming an installed package could upgrade it (and libc with it), so only the
# missing ones are named.
zr_install_missing() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  zr_log "installing ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

zr_install_build_tools() {
  zr_install_missing cmake ninja-build googletest python3 g++-mingw-w64-x86-64 wine wine64 fonts-wine
}

zr_build() {
  zr_log "building in ${ZR_BUILD#$ZR_ROOT/}"
  cmake -S "$ZR_ROOT" -B "$ZR_BUILD" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$ZR_ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=${ZR_BUILD_TYPE:-RelWithDebInfo} >/dev/null
  # ZR_BUILD_TARGETS narrows the build (the run script needs only the program).
  local targets=()
  for t in ${ZR_BUILD_TARGETS:-}; do targets+=(--target "$t"); done
  cmake --build "$ZR_BUILD" "${targets[@]}"
}

# The program on a display uses a prefix of its own: the tests' prefix keeps
# Wine's null graphics driver, and switching drivers would stop running tests.
zr_use_display_prefix() {
  export WINEPREFIX="$ZR_BUILD/wineprefix-display"
}

# Runs a command with the interface language en or zh.
zr_wine_lang() {
  local lang=$1; shift
  if [ "$lang" = zh ]; then
    LC_ALL=zh_CN.UTF-8 LANG=zh_CN.UTF-8 "$@"
  else
    LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 "$@"
  fi
}

# Creates a demo frame with factory values when the frames folder has none.
zr_ensure_demo_frame() {
  "$ZR_WINE" "$ZR_BUILD/bin/ZRFrameTool.exe" demo | tr -d '\r' | sed 's/^/== /' >&2
}

# Creates the Wine prefix once, with the null graphics driver unless a display
# is wanted, and Wine's own fonts where Wine looks for them.
zr_prepare_prefix() {
  local driver=${1:-null}
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    zr_log "preparing the Wine prefix (once)"
    mkdir -p "$WINEPREFIX"
    "$ZR_WINE" wineboot --init >/dev/null 2>&1 || true
    /usr/lib/wine/wineserver -w || true
  fi
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  zr_set_graphics_driver "$driver"
}

zr_set_graphics_driver() {
  local driver=$1 current
  current=$("$ZR_WINE" reg query 'HKCU\Software\Wine\Drivers' /v Graphics 2>/dev/null | tr -d '\r' | awk '/Graphics/ {print $3}') || true
  if [ "$current" != "$driver" ]; then
    if [ "$driver" = default ]; then
      "$ZR_WINE" reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f >/dev/null 2>&1 || true
    else
      "$ZR_WINE" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$driver" /f >/dev/null 2>&1
    fi
    # The driver is chosen when the wineserver starts.
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    /usr/lib/wine/wineserver -w 2>/dev/null || true
  fi
}
