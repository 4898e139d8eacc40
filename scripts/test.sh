#!/usr/bin/env bash
# Sets up, builds and runs every test: the release build, the same tests
# under AddressSanitizer + UndefinedBehaviorSanitizer, and bounded fuzz runs.
# Exits non-zero on any failure.
set -Eeuo pipefail
# Every way out says why: a failing command names itself and its line.
trap 'echo "test: line $LINENO: \"$BASH_COMMAND\" failed with status $?" >&2' ERR
cd "$(dirname "$0")/.."

scripts/setup.sh

jobs=$(nproc 2>/dev/null || echo 2)

echo "== source format"
scripts/check_format.sh

echo "== release build and tests"
cmake --preset release >/dev/null
cmake --build --preset release -j "$jobs"
ctest --preset release -j "$jobs"

echo "== installation and Debian package"
scripts/check_install.sh build/release

echo "== sanitizer build and tests (ASan + UBSan)"
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --preset asan -j "$jobs" -LE no_sanitizer

echo "== fuzz targets (clang libFuzzer, bounded runs)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
ctest --test-dir build/fuzz --output-on-failure -L fuzz

echo "all tests passed"
