# Shared settings of the project's scripts; sourced, not run.
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# The MinGW builds of libjpeg-turbo and libpng live outside the checkout, so that a fresh
# clone on the same machine reuses them.
: "${XPX_DEPS:=$HOME/.cache/xingpingxiu-deps}"
export XPX_DEPS
