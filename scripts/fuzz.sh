#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (address and undefined-behaviour sanitizers) in
# build-fuzz/ and runs each for SECONDS, starting from the seeds in fuzz/seeds/TARGET/.
#   scripts/fuzz.sh [SECONDS] [TARGET…]     e.g. scripts/fuzz.sh 60 twd_reader
# Ends non-zero when a target crashes or a sanitizer reports; the finding is in build-fuzz/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/ensure-packages.sh" "$root/scripts/packages.txt" "$root/scripts/fuzz-packages.txt"
seconds="${1:-60}"
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < <(cd "$root/fuzz" && ls ./*_fuzz.cpp | sed 's|^\./||; s|_fuzz\.cpp$||')
fi
dir="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORBELANT_FUZZ=ON >/dev/null
for target in "${targets[@]}"; do
  cmake --build "$dir" --target "fuzz_$target" --parallel "$(nproc)"
done
for target in "${targets[@]}"; do
  corpus="$dir/corpus/$target"
  mkdir -p "$corpus"
  echo "== fuzz_$target: $seconds s"
  (cd "$dir" && ASAN_OPTIONS=detect_leaks=0 "./fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
    "$corpus" "$root/fuzz/seeds/$target")
done
