#!/usr/bin/env bash
# ctest's emulator for Windows executables: runs one under wine64 in the session that
# scripts/lib/wine-session.sh started, on the screen named by XPX_SCREEN (default 1920x1080).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
size=${XPX_SCREEN:-1920x1080}
base=${XPX_DISPLAY_BASE:-91}
case $size in
  1920x1080) n=$base ;;
  1366x768) n=$((base + 1)) ;;
  800x600) n=$((base + 2)) ;;
  *) echo "unknown screen $size" >&2; exit 2 ;;
esac
export WINEPREFIX=${XPX_WINE_ROOT:-$repo/build/wine}/$size DISPLAY=:$n WINEDEBUG=${WINEDEBUG:--all}
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -S /tmp/.X11-unix/X$n ] || [ ! -f "$WINEPREFIX/.xpx-ready" ]; then
  echo "wine-run: no test session on display :$n; run scripts/lib/wine-session.sh start (scripts/test does)" >&2
  exit 2
fi
exec /usr/lib/wine/wine64 "$@"
