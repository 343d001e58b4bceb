#!/usr/bin/env bash
# Installs what building and testing need, from the distribution's packages, when it is missing.
# Usage: scripts/setup.sh [base|sanitize|coverage|fuzz|docs|bench|mutate|all]   (default: base)
set -euo pipefail

want=${1:-base}
packages=()

need_cmd() { command -v "$1" >/dev/null 2>&1 || packages+=("$2"); }
need_file() { [ -e "$1" ] || packages+=("$2"); }

need_cmd cmake cmake
need_cmd g++ g++
need_cmd make make
need_cmd pkg-config pkg-config
need_cmd ninja ninja-build
need_file /usr/include/gtest/gtest.h libgtest-dev
need_file /usr/include/gmock/gmock.h libgmock-dev
need_file /usr/include/gsl/gsl_poly.h libgsl-dev  # the tests compare the numerics with GSL
case "$want" in
  sanitize|all|fuzz)
    need_cmd clang++ clang
    need_file /usr/lib/llvm-14/lib/clang/14.0.6/lib/linux/libclang_rt.fuzzer-x86_64.a libclang-rt-14-dev
    ;;
esac
case "$want" in
  coverage|all) need_cmd gcovr gcovr ;;
esac
case "$want" in
  mutate|all)
    need_cmd python3 python3  # runs the mutation run
    need_cmd ld.lld lld  # relinks the library after each planted fault in a fraction of the time
    ;;
esac
case "$want" in
  docs|all)
    need_cmd doxygen doxygen
    need_cmd python3 python3  # the header filter of docs/Doxyfile
    ;;
esac

case "$want" in
  bench|all)
    # Google Benchmark and the libraries the benchmarks compare against.
    need_file /usr/include/benchmark/benchmark.h libbenchmark-dev
    need_file /usr/include/muParser.h libmuparser-dev
    need_file /usr/include/re2/re2.h libre2-dev
    need_file /usr/include/pcre2.h libpcre2-dev
    need_file /usr/include/eigen3/Eigen/Dense libeigen3-dev
    need_file /usr/include/gsl/gsl_poly.h libgsl-dev
    need_file /usr/include/boost/signals2.hpp libboost-dev
    need_file /usr/include/sigc++-2.0/sigc++/sigc++.h libsigc++-2.0-dev
    need_cmd python3 python3  # turns the results into the table
    ;;
esac

if [ ${#packages[@]} -eq 0 ]; then exit 0; fi
echo "setup: installing ${packages[*]}"
if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null 2>&1; then
  echo "setup: missing ${packages[*]}; install them with your package manager" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${packages[@]}" >/dev/null
