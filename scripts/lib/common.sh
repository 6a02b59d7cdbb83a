# Shared by the scripts in scripts/: packages, the virtual display, the Wine prefix.
# Source it; it defines functions and a few variables and changes nothing by itself.

VORNIK_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
VORNIK_BUILD="$VORNIK_ROOT/build"
WINE64=/usr/lib/wine/wine64

VORNIK_PACKAGES=(cmake make g++ googletest mingw-w64 g++-mingw-w64-x86-64-posix wine wine64
                 xvfb xauth x11-utils fonts-wqy-zenhei imagemagick xdotool xclip)

log() { printf '== %s\n' "$*" >&2; }
# Stops the script with one line that says what went wrong and what to do.
die() { printf 'error: %s\n' "$*" >&2; exit 1; }

# Installs whatever of VORNIK_PACKAGES is missing (one apt-get update at most).
ensure_packages() {
  local missing=() p
  for p in "${VORNIK_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  log "installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null ||
      die "missing packages (${missing[*]}): run as root, or install sudo, or install them with apt-get yourself"
    sudo=sudo
  fi
  $sudo apt-get update -q >/dev/null || die "apt-get update failed: check the network and the APT sources"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null ||
    die "apt-get could not install: ${missing[*]}"
}

# Processes this script started; stop_started kills them by process id.
VORNIK_PIDS=()

# Starts a private Xvfb when there is no display, and exports DISPLAY.
ensure_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local n
  for n in $(seq 90 250); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    # -noreset keeps the root window's properties when the last client leaves.
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -ac -noreset >/dev/null 2>&1 &
    local pid=$! i
    for i in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    if [ -e "/tmp/.X11-unix/X$n" ] && kill -0 "$pid" 2>/dev/null; then
      VORNIK_PIDS+=("$pid")
      export DISPLAY=":$n"
      # A desktop session loads X resources. With none at all, Xlib reads ~/.Xdefaults from disk
      # again on every resource lookup, and Wine makes such lookups while it draws.
      xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER $'Xft.dpi:\t96\n' ||
        log "could not set the display's X resources (drawing will be slower)"
      log "virtual display $DISPLAY (Xvfb pid $pid)"
      return 0
    fi
    kill "$pid" 2>/dev/null
  done
  die "could not start Xvfb on any display from :90 to :250: install xvfb, or set DISPLAY to a running X display"
}

wine_env() {
  [ -x "$WINE64" ] || die "no Wine at $WINE64: install Debian's wine64 package (apt-get install wine wine64)"
  export WINEPREFIX="$VORNIK_BUILD/wineprefix"
  export WINEARCH=win64
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES="mscoree=;mshtml="
}

# One registry value in the private prefix.
reg_add() { # key, value name, type, data
  "$WINE64" reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1 ||
    die "could not write $1\\$2 into the Wine prefix $WINEPREFIX: delete it and run again"
}

# Creates the private Wine prefix once, then applies our settings (again whenever
# VORNIK_PREFIX_SETTINGS changes): font links so that Chinese text in Latin fonts
# (Tahoma, MS Sans Serif) is drawn with WenQuanYi Zen Hei, SimSun drawn by the same font,
# and windows left unmanaged with frames drawn by Wine itself, since Xvfb has no window manager
# (a managed window waits 2 s for a window manager's answer each time it is hidden).
VORNIK_PREFIX_SETTINGS=4
ensure_wineprefix() {
  wine_env
  if [ ! -f "$WINEPREFIX/.vornik-ready" ]; then
    log "creating Wine prefix $WINEPREFIX (once)"
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    "$WINE64" wineboot -i >/dev/null 2>&1 ||
      die "wineboot could not create the Wine prefix $WINEPREFIX: rerun with WINEDEBUG=err+all to see why"
    touch "$WINEPREFIX/.vornik-ready"
  fi
  [ -f "$WINEPREFIX/.vornik-settings-$VORNIK_PREFIX_SETTINGS" ] && return 0
  local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' f
  for f in "Tahoma" "MS Sans Serif" "Microsoft Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2" "SimSun" "NSimSun"; do
    reg_add "$key" "$f" REG_MULTI_SZ "wqy-zenhei.ttc,WenQuanYi Zen Hei"
  done
  local rep='HKCU\Software\Wine\Fonts\Replacements'
  for f in "SimSun" "宋体"; do
    reg_add "$rep" "$f" REG_SZ "WenQuanYi Zen Hei"
  done
  # The monospaced face keeps the half-width Latin letters and digits the update-time label is laid out for.
  for f in "NSimSun" "新宋体"; do
    reg_add "$rep" "$f" REG_SZ "WenQuanYi Zen Hei Mono"
  done
  reg_add 'HKCU\Software\Wine\X11 Driver' Decorated REG_SZ N
  reg_add 'HKCU\Software\Wine\X11 Driver' Managed REG_SZ N
  # Lets the registry reach the disk (bounded: another persistent wineserver may hold the prefix).
  timeout 20 /usr/lib/wine/wineserver -w || true
  rm -f "$WINEPREFIX"/.vornik-settings-*
  touch "$WINEPREFIX/.vornik-settings-$VORNIK_PREFIX_SETTINGS"
}

# Keeps one wineserver alive for the whole run so each Wine process starts fast.
VORNIK_WINESERVER=0
start_wineserver() {
  wine_env
  # A non-zero exit means a wineserver already serves this prefix: use it, leave it running.
  if /usr/lib/wine/wineserver -p 2>/dev/null; then
    VORNIK_WINESERVER=1
  fi
  # Start the session's own processes (services, the desktop) now, with no terminal or pipe of
  # ours: started by the first test instead, they would inherit CTest's output pipe and keep
  # CTest waiting for it to close until the test's time-out.
  "$WINE64" wineboot.exe </dev/null >/dev/null 2>&1 || true
}

stop_started() {
  if [ "$VORNIK_WINESERVER" = 1 ]; then
    # Only the wineserver of our own prefix.
    WINEPREFIX="$VORNIK_BUILD/wineprefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
    VORNIK_WINESERVER=0
  fi
  local pid
  for pid in "${VORNIK_PIDS[@]}"; do
    kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  done
  VORNIK_PIDS=()
}


configure_and_build() { # dir, extra cmake args...
  local dir=$1; shift
  cmake -S "$VORNIK_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}

build_native() { configure_and_build "$VORNIK_BUILD/native"; }
build_win() { configure_and_build "$VORNIK_BUILD/win" -DCMAKE_TOOLCHAIN_FILE="$VORNIK_ROOT/cmake/mingw-w64-x86_64.cmake"; }
