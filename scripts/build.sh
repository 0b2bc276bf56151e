#!/usr/bin/env bash
# Configures and builds both builds: the native core with its unit tests
# (build/native) and the 32-bit Windows programs (build/windows/bin).
# Extra arguments go to the Windows configure step, e.g. -DNV_PAYLOAD_DIR=...
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset native >/dev/null
cmake --build --preset native
cmake --preset windows "$@" >/dev/null
cmake --build --preset windows
