#!/usr/bin/env bash
# Every file that includes Qt lives in a folder named qt/ (tests and benchmarks: a folder ending in _qt), and
# nothing else does. Prints each file that breaks the rule.
set -euo pipefail
cd "$1"
bad=0
while IFS= read -r f; do
  case "$f" in
    */qt/*|tests/*_qt/*|bench/*_qt/*) ;;
    *) echo "includes Qt outside a qt folder: $f"; bad=1 ;;
  esac
done < <(grep -rlE '^\s*#\s*include\s*<Q[A-Za-z]*(/|>)' --include='*.cpp' --include='*.h' \
           library analyzer viewer help tools tests bench || true)
exit $bad
