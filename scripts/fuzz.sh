#!/usr/bin/env bash
# Builds the fuzz targets (libFuzzer; AddressSanitizer and UndefinedBehaviorSanitizer; every
# library instrumented, not only the harnesses; -O1 -g) and runs each one for a while on a
# working copy of its seed corpus. Inputs that fail are written to build/fuzz/findings/.
#   scripts/fuzz.sh [seconds per target (600)] [target ...]   (targets: fuzz_* names; default all)
# Two targets run at a time. Each one's last status line (executions per second, coverage and
# features reached) and its findings are printed at the end.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-600}"
shift || true
build="$top/build/fuzz"

cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DVESK_SANITIZE=address -DVESK_FUZZ=ON -DVESK_BENCH=OFF >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < <(cd "$top/fuzz" && for d in */; do
    sed -n 's/^vesk_add_fuzzer(\(fuzz_[a-z0-9_]*\).*/\1/p' "$d/CMakeLists.txt"; done)
fi
cmake --build "$build" -j 2 -t "${targets[@]}"

findings="$build/findings"
mkdir -p "$findings"
run_one() {  # target
  local target="$1" seeds work log
  seeds="$(dirname "$(grep -l "vesk_add_fuzzer($target\$" "$top"/fuzz/*/CMakeLists.txt)")/corpus"
  work="$build/corpus/$target"
  log="$build/$target.log"
  mkdir -p "$work"
  QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS="suppressions=$top/tests/lsan.supp" \
    "$build/fuzz/$(basename "$(dirname "$seeds")")/$target" -max_total_time="$seconds" \
    -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$findings/$target-" \
    "$work" "$seeds" >"$log" 2>&1 || true
}

running=0
for target in "${targets[@]}"; do
  run_one "$target" &
  running=$((running + 1))
  if [ "$running" -ge 2 ]; then
    wait -n || true
    running=$((running - 1))
  fi
done
wait || true

for target in "${targets[@]}"; do
  echo "== $target"
  grep -E '^#[0-9]+' "$build/$target.log" | tail -1 || true
  grep -E 'stat::number_of_executed_units|stat::average_exec_per_sec|stat::new_units_added' \
    "$build/$target.log" || true
  grep -E 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error|deadly signal' \
    "$build/$target.log" | head -3 || true
done
ls -l "$findings"
