#!/usr/bin/env bash
# Titanframe Designer: set-up, build, run and test in one script.
#
#   ./tfd.sh run [FILE]   install what is missing, build, start the program
#   ./tfd.sh test         install what is missing, build, run every test
#   ./tfd.sh bench        build and run the benchmarks (optimised build)
#   ./tfd.sh asan         build and run every test under Address- and UB-Sanitizer
#   ./tfd.sh fuzz [SECS]  build the fuzz targets with clang and run each for SECS seconds
set -euo pipefail

# File names given to "run" are the caller's, relative to where it stands.
caller_dir=$PWD
top=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cd "$top"

jobs=$(nproc 2>/dev/null || echo 2)

# Debian packages the build and the tests need.
base_packages=(g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev
               qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev fonts-dejavu-core
               libsqlite3-dev nlohmann-json3-dev)
fuzz_packages=(clang libclang-rt-14-dev)
# The printing test reads its PDF back with pdftotext.
test_packages=(poppler-utils)

missing_packages() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

install_packages() {
  local missing
  missing=$(missing_packages "$@")
  [ -n "$missing" ] || return 0
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi
  echo "tfd.sh: installing:" $missing
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  # shellcheck disable=SC2086
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
}

# configure DIR BUILD_TYPE [extra cmake arguments...]
configure() {
  local dir=$1 type=$2
  shift 2
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "$@"
  fi
}

build() {
  local dir=$1
  shift
  cmake --build "$dir" --parallel "$jobs" "$@"
}

cmd=${1:-}
[ $# -gt 0 ] && shift

case "$cmd" in
  run)
    install_packages "${base_packages[@]}"
    configure build RelWithDebInfo
    build build
    cd "$caller_dir"
    exec "$top/build/bin/titanframe-designer" "$@"
    ;;
  test)
    install_packages "${base_packages[@]}" "${test_packages[@]}"
    configure build RelWithDebInfo
    build build
    # A test that hangs fails after five minutes instead of holding CI.
    ctest --test-dir build --output-on-failure --parallel "$jobs" --timeout 300
    ;;
  bench)
    install_packages "${base_packages[@]}"
    configure build-release Release -DTFD_BUILD_BENCH=ON
    build build-release
    for b in build-release/bin/bench_*; do
      [ -x "$b" ] && "$b" "$@"
    done
    ;;
  asan)
    install_packages "${base_packages[@]}"
    configure build-asan Debug -DTFD_SANITIZE=ON
    build build-asan
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      ctest --test-dir build-asan --output-on-failure --parallel "$jobs" --timeout 600
    ;;
  fuzz)
    install_packages "${base_packages[@]}" "${fuzz_packages[@]}"
    secs=${1:-60}
    configure build-fuzz Debug -DTFD_BUILD_FUZZ=ON -DTFD_BUILD_TESTS=OFF \
      -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang
    build build-fuzz
    for f in build-fuzz/bin/fuzz_*; do
      [ -x "$f" ] || continue
      corpus="build-fuzz/corpus/$(basename "$f")"
      mkdir -p "$corpus"
      # The readers start from the sample designs of the tests; the formula
      # evaluator from its own seeds.
      case "$(basename "$f")" in
        fuzz_design_file) cp -n "$top"/tests/data/*.TF? "$corpus"/ 2>/dev/null || true ;;
        fuzz_text_readout) cp -n "$top"/tests/data/*.txt "$corpus"/ 2>/dev/null || true ;;
        fuzz_html_readout) cp -n "$top"/tests/data/*.htm* "$corpus"/ 2>/dev/null || true ;;
      esac
      seeds="$top/fuzz/seeds/$(basename "$f")"
      [ -d "$seeds" ] || seeds=
      # Inputs up to 1 MB (the default of a few kilobytes never repeats a
      # section often enough to show a slow reader), a memory ceiling that a
      # reader past its limits would hit, and a time limit per input.
      "$f" -max_total_time="$secs" -max_len=1048576 -rss_limit_mb=1024 -timeout=10 \
        "$corpus" $seeds
    done
    ;;
  *)
    sed -n '2,9p' "$0" | sed 's/^# \{0,1\}//'
    [ -z "$cmd" ] || exit 2
    ;;
esac
