#!/usr/bin/env bash
# Builds static libjpeg-turbo and libpng for one MinGW target from Debian's source packages
# (patches applied by dpkg-source), into $XPX_DEPS/<arch>. Does nothing when already built.
set -euo pipefail
. "$(dirname "$0")/env.sh"
arch=$1                                  # x86_64 or i686
triple=$arch-w64-mingw32
prefix=$XPX_DEPS/$arch
stamp=$prefix/.built-v1
[ -f "$stamp" ] && exit 0

work=$XPX_DEPS/src
mkdir -p "$work" "$prefix"
cd "$work"

# Newest source version first: a later security fix is taken as soon as Debian serves it.
fetch_source() {
  local pkg=$1 dir=$2 v
  [ -d "$dir" ] && return 0
  for v in $(apt-cache showsrc "$pkg" | sed -n 's/^Version: //p' | sort -rV | uniq); do
    if apt-get source -qq "$pkg=$v" >/dev/null 2>&1 && [ -d "$dir" ]; then
      echo "setup: using $pkg $v"; return 0
    fi
  done
  echo "setup: no source of $pkg could be downloaded" >&2; return 1
}
fetch_source libjpeg-turbo libjpeg-turbo-2.1.5
fetch_source libpng1.6 libpng1.6-1.6.39

toolchain=$(dirname "$0")/../../cmake/mingw-$arch.cmake
common=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain"
        -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH=/usr/$triple)

echo "setup: building libjpeg-turbo for $triple"
cmake -S libjpeg-turbo-2.1.5 -B "build-jpeg-$arch" "${common[@]}" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON \
  -DCMAKE_ASM_NASM_COMPILER=nasm >/dev/null
cmake --build "build-jpeg-$arch" >/dev/null
cmake --install "build-jpeg-$arch" >/dev/null

echo "setup: building libpng for $triple"
cmake -S libpng1.6-1.6.39 -B "build-png-$arch" "${common[@]}" \
  -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
  -DZLIB_LIBRARY=/usr/$triple/lib/libz.a -DZLIB_INCLUDE_DIR=/usr/$triple/include >/dev/null
cmake --build "build-png-$arch" >/dev/null
cmake --install "build-png-$arch" >/dev/null
touch "$stamp"
