#!/usr/bin/env bash
# Fails when a production source file differs from what .clang-format makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
# The production folders: the rows of the layering table.
mapfile -t folders < <(awk '!/^#/ && NF { print $1 }' cmake/layers.txt)
mapfile -t files < <(git ls-files -- "${folders[@]}" | grep -E '\.(cpp|h)$')
clang-format --dry-run -Werror "${files[@]}"
echo "format: ${#files[@]} files as .clang-format has them"
