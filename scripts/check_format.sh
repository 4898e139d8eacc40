#!/usr/bin/env bash
# Fails when a C++ source file (production, tests, benchmarks or fuzz targets)
# differs from what .clang-format makes of it.
set -Eeuo pipefail
# Every way out says why: a failing command names itself and its line.
trap 'echo "check_format: line $LINENO: \"$BASH_COMMAND\" failed with status $?" >&2' ERR
cd "$(dirname "$0")/.."
# The production folders are the rows of the layering table.
mapfile -t folders < <(awk '!/^#/ && NF { print $1 }' cmake/layers.txt)
mapfile -t files < <(git ls-files -- "${folders[@]}" tests bench fuzz | grep -E '\.(cpp|h)$')
clang-format --dry-run -Werror "${files[@]}"
echo "format: ${#files[@]} files as .clang-format has them"
