#!/usr/bin/env bash
# Configures and builds both builds: the native core with its unit tests
# (build/native) and the 32-bit Windows programs (build/windows/bin).
# Extra arguments go to the Windows configure step, e.g. -DNV_PAYLOAD_DIR=...
#
# The payload and signing options hold for this run only: each run starts from
# the generated full-size stand-ins and no signing, then applies the arguments,
# so a -DNV_PAYLOAD_PROFILE=small or a payload folder given once does not stay
# in the build's cache for the next run. A certificate comes from the
# environment: NV_SIGN_PKCS12 (and NV_SIGN_PASSWORD, NV_SIGN_TIMESTAMP_URL).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset native >/dev/null
cmake --build --preset native
cmake --preset windows -DNV_PAYLOAD_DIR= -DNV_PAYLOAD_PROFILE=full \
    "-DNV_SIGN_PKCS12=${NV_SIGN_PKCS12:-}" "-DNV_SIGN_TIMESTAMP_URL=${NV_SIGN_TIMESTAMP_URL:-}" \
    "$@" >/dev/null
cmake --build --preset windows
echo "build/windows/bin/setup.exe packs $(sed -n 's/^NV_PAYLOAD_PACKED:INTERNAL=//p' build/windows/CMakeCache.txt)"
