#!/usr/bin/env bash
# The tests' share of all the C++: non-blank, non-comment lines of tests/ as a
# share of those of tests/, src/, bench/ and fuzz/ together. We aim at a
# third or less; above 34 % this fails, so CI stops a change that tips it.
set -euo pipefail
cd "$(dirname "$0")/.."

count() {
  find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.cpp.in' \) -print0 |
    xargs -0 cat |
    awk '
      {
        line = $0; code = ""
        while (length(line) > 0) {
          if (in_block) {
            end = index(line, "*/")
            if (end == 0) { line = ""; break }
            line = substr(line, end + 2); in_block = 0
          } else {
            start = index(line, "/*"); slash = index(line, "//")
            if (slash > 0 && (start == 0 || slash < start)) { code = code substr(line, 1, slash - 1); line = "" }
            else if (start > 0) { code = code substr(line, 1, start - 1); line = substr(line, start + 2); in_block = 1 }
            else { code = code line; line = "" }
          }
        }
        if (code ~ /[^ \t\r]/) n++
      }
      END { print n + 0 }'
}

tests=$(count tests)
rest=$(count src bench fuzz)
all=$((tests + rest))
share=$(awk -v t="$tests" -v a="$all" 'BEGIN { printf "%.1f", 100 * t / a }')
echo "tests: $tests lines; src, bench and fuzz: $rest lines; the tests are $share % of all $all lines (aim: 33 % or less, limit 34 %)"
if awk -v t="$tests" -v a="$all" 'BEGIN { exit !(100 * t > 34 * a) }'; then
  echo "test-ratio: the tests are over 34 % of the code; fold or drop tests that no planted fault needs" >&2
  exit 1
fi
