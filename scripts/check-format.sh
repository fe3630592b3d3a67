#!/usr/bin/env bash
# Checks the layout (.clang-format) of the C++ lines changed since a base commit; lines that
# were not touched are never looked at, so the older code does not fail the check.
#
#   scripts/check-format.sh [base]
#
# The base is the first argument, else QUILLBY_FORMAT_BASE, else HEAD~1. With a base given
# (argument or variable) differences fail the check; against the default HEAD~1 they are
# only reported. Without the base commit (a shallow clone of one commit, the first commit)
# there is nothing to compare with, and the check says so and passes.
set -euo pipefail
cd "$(dirname "$0")/.."

base=${1:-${QUILLBY_FORMAT_BASE:-}}
strict=1
if [ -z "$base" ]; then
    base=HEAD~1
    strict=0
fi
if ! command -v git-clang-format >/dev/null 2>&1 || ! command -v clang-format >/dev/null; then
    echo "check-format: clang-format is not installed; skipped." >&2
    exit $(( strict ? 1 : 0 ))
fi
if ! git rev-parse --verify --quiet "$base^{commit}" >/dev/null; then
    echo "check-format: no commit $base in this clone; nothing to compare with, skipped."
    exit 0
fi

# git clang-format ends with 0 whether or not it found differences: its diff is the verdict.
if ! report=$(git clang-format --quiet --diff --extensions cpp,h "$base" 2>&1); then
    echo "$report" >&2
    echo "check-format: git clang-format failed." >&2
    exit 1
fi
if ! grep -q '^diff --git' <<<"$report"; then
    echo "check-format: the C++ lines changed since $base follow .clang-format."
    exit 0
fi
echo "$report"
echo "check-format: the C++ lines changed since $base differ from .clang-format (above);"
echo "  'git clang-format $base' reformats just those lines."
exit $(( strict ? 1 : 0 ))
