#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for a fixed time, starting
# from the inputs under fuzz/corpus/. Any crash, leak, broken property or sanitizer report fails
# the script; the input that caused it is saved under build-fuzz/artifacts/.
# ORVANE_FUZZ_SECONDS sets the time per target (default 30).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${ORVANE_FUZZ_SECONDS:-30}
build_dir=build-fuzz
targets=(record_fuzzer tips_fuzzer text_forms_fuzzer file_filter_fuzzer gpl_fuzzer css_fuzzer json_fuzzer
         ase_fuzzer)

scripts/ensure-packages.sh clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORVANE_BUILD_TESTS=OFF -DORVANE_BUILD_FUZZERS=ON >/dev/null
cmake --build "$build_dir" --target fuzzers --parallel "$(nproc)"

export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
failed=()
for target in "${targets[@]}"; do
  # New inputs go to the build folder's corpus; the committed seeds are only read.
  corpus=$build_dir/corpus/$target
  artifacts=$build_dir/artifacts/$target
  log=$build_dir/logs/$target.log
  mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
  echo "Fuzzing $target for ${seconds}s"
  if "$build_dir/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" "fuzz/corpus/$target" \
      >"$log" 2>&1; then
    grep '^Done' "$log" || true
  else
    echo "$target FAILED; its log ($log) ends:" >&2
    tail -n 40 "$log" >&2
    failed+=("$target")
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "Fuzzing failed: ${failed[*]}" >&2
  exit 1
fi
echo "Fuzzing found nothing in ${#targets[@]} targets"
