#!/usr/bin/env bash
# Starts (or stops) what the Windows tests run in: one virtual X display and one Wine prefix
# per screen size, each prefix with a persistent wineserver so that a program starts in half
# a second instead of seven.
#   wine-session.sh start | stop
set -euo pipefail
. "$(dirname "$0")/env.sh"

screens=(1920x1080 1366x768 800x600)
# Display numbers start at XPX_DISPLAY_BASE, so that several checkouts can test side by side.
base=${XPX_DISPLAY_BASE:-91}
display_of() { case $1 in 1920x1080) echo $base ;; 1366x768) echo $((base + 1)) ;; 800x600) echo $((base + 2)) ;; esac; }
prefix_root=${XPX_WINE_ROOT:-$repo/build/wine}

start_one() {
  local size=$1 n
  n=$(display_of "$size")
  if [ ! -S /tmp/.X11-unix/X$n ]; then
    Xvfb :$n -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    for _ in $(seq 100); do [ -S /tmp/.X11-unix/X$n ] && break; sleep 0.05; done
  fi
  export DISPLAY=:$n WINEPREFIX=$prefix_root/$size WINEDEBUG=-all
  export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
  mkdir -p "$WINEPREFIX"
  if [ ! -f "$WINEPREFIX/.xpx-ready" ]; then
    /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
    # No window manager runs on the virtual display: Wine draws the frames itself and moves
    # windows itself, as Windows does.
    /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    touch "$WINEPREFIX/.xpx-ready"
  fi
  # One persistent server: a server still lingering from the set-up (or left by an earlier
  # run) would make `wineserver -p` give up, and every start would then pay for a new one.
  wineserver -k 2>/dev/null || true
  wineserver -w
  wineserver -p
  /usr/lib/wine/wine64 cmd /c exit >/dev/null 2>&1  # the prefix is ready once this returns
}

case ${1:-start} in
  start)
    for s in "${screens[@]}"; do start_one "$s" & done
    wait ;;
  stop)
    for s in "${screens[@]}"; do
      WINEPREFIX=$prefix_root/$s wineserver -k 2>/dev/null || true
      pkill -f "Xvfb :$(display_of "$s") " 2>/dev/null || true
    done ;;
esac
