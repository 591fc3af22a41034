#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test three ways: a plain build,
# AddressSanitizer + UndefinedBehaviorSanitizer, and ThreadSanitizer for the threaded tests.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$top/scripts/install-deps.sh"
jobs="$(nproc)"

# Three builds of the same sources: ccache lets the later ones (and later runs) reuse objects.
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$top"
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

configure_and_build() {  # name, extra cmake arguments...
  local dir="$top/build/$1"; shift
  cmake -S "$top" -B "$dir" -G Ninja "${launcher[@]}" "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
}

run_tests() {  # name, extra ctest arguments...
  local dir="$top/build/$1"; shift
  (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" "$@")
}

configure_and_build plain -DCMAKE_BUILD_TYPE=Debug
run_tests plain

configure_and_build asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DVESK_SANITIZE=address -DVESK_FUZZ=ON -DVESK_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS="suppressions=$top/tests/lsan.supp" run_tests asan

configure_and_build tsan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DVESK_SANITIZE=thread -DVESK_BENCH=OFF
TSAN_OPTIONS="halt_on_error=1 suppressions=$top/tests/tsan.supp" run_tests tsan -L threads

echo "All tests passed (plain, address+undefined, thread)."
