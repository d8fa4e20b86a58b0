#!/usr/bin/env bash
# Installs what is missing, checks the layers of the includes and the layout of the code, builds and runs every test through CTest.
#   ./test.sh            normal build in build/
#   ./test.sh --sanitize address and undefined-behaviour sanitizers in build-asan/
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$root"
scripts/ensure-packages.sh
scripts/check-layers.sh
scripts/check-format.sh
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-asan
  BUILD_TYPE=Debug scripts/build.sh "$dir" -DKORBELANT_WERROR=ON -DKORBELANT_SANITIZE=ON
else
  dir=build
  scripts/build.sh "$dir" -DKORBELANT_WERROR=ON
fi
cd "$dir"
ctest --output-on-failure --parallel "$(nproc)" --timeout 600
