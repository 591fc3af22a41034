#!/usr/bin/env bash
# Installs what is missing, then builds and runs the tests twice: every test (and every fuzz
# corpus) under AddressSanitizer + UndefinedBehaviorSanitizer, and the threaded tests under
# ThreadSanitizer. Prints the time of each stage at the end.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"
stages=()

timed() {  # stage name, command...
  local name="$1" start=$SECONDS status=0; shift
  "$@" || status=$?
  local outcome=""
  [ "$status" -eq 0 ] || outcome=" (failed)"
  stages+=("$(printf '%-36s %4d s%s' "$name" $((SECONDS - start)) "$outcome")")
  return "$status"
}

report() {
  echo "Time per stage:"
  printf '  %s\n' "${stages[@]}"
}
trap report EXIT

# The builds share objects through ccache where it is installed; the precompiled headers of the
# tests stay cacheable with this sloppiness.
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$top"
  export CCACHE_SLOPPINESS="pch_defines,time_macros,include_file_mtime,include_file_ctime"
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

# Line tables are all a sanitizer report needs, and lld links the many test programs faster.
configure_and_build() {  # name, target, extra cmake arguments...
  local dir="$top/build/$1" target="$2"; shift 2
  cmake -S "$top" -B "$dir" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVESK_BENCH=OFF \
    -DCMAKE_C_FLAGS_DEBUG=-gline-tables-only -DCMAKE_CXX_FLAGS_DEBUG=-gline-tables-only \
    -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld -DCMAKE_SHARED_LINKER_FLAGS=-fuse-ld=lld \
    -DCMAKE_MODULE_LINKER_FLAGS=-fuse-ld=lld "$@" >/dev/null
  cmake --build "$dir" -j "$jobs" --target "$target"
}

run_tests() {  # name, extra ctest arguments...
  local dir="$top/build/$1"; shift
  (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" "$@")
}

timed "package installation" "$top/scripts/install-deps.sh"

timed "address+undefined: configure, build" configure_and_build asan all \
  -DVESK_SANITIZE=address -DVESK_FUZZ=ON
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS="suppressions=$top/tests/lsan.supp"
timed "address+undefined: tests" run_tests asan

timed "thread: configure, build" configure_and_build tsan threaded_tests -DVESK_SANITIZE=thread
export TSAN_OPTIONS="halt_on_error=1 suppressions=$top/tests/tsan.supp"
timed "thread: tests" run_tests tsan -L threads

echo "All tests passed (address+undefined, thread)."
