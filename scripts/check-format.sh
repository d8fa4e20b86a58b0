#!/usr/bin/env bash
# Checks that every C++ file of src/, tests/, bench/, tools/ and fuzz/ is laid out as .clang-format says.
#   scripts/check-format.sh         reports the files that differ and fails
#   scripts/check-format.sh --fix   rewrites them in place
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
mapfile -t files < <(find src tests bench tools fuzz -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
if ! clang-format --dry-run -Werror "${files[@]}" 2>/tmp/check-format.$$; then
  echo "check-format: these files differ from .clang-format (scripts/check-format.sh --fix mends them):" >&2
  grep -o '^[^:]*' /tmp/check-format.$$ | sort -u | sed 's/^/    /' >&2
  rm -f /tmp/check-format.$$
  exit 1
fi
rm -f /tmp/check-format.$$
