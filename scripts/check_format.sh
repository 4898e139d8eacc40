#!/usr/bin/env bash
# Fails when a production source file differs from what .clang-format makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
folders=(calendar calendar_window calculator almanac_window dialogs fonts help_window platform app tools)
mapfile -t files < <(git ls-files -- "${folders[@]}" | grep -E '\.(cpp|h)$')
clang-format --dry-run -Werror "${files[@]}"
echo "format: ${#files[@]} files as .clang-format has them"
