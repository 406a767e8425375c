#!/usr/bin/env bash
# The tests against the code they test: non-blank, non-comment C++ lines of
# tests/ as a share of those of src/, bench/ and fuzz/. We keep it at a third
# or less.
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
echo "tests: $tests lines; src, bench and fuzz: $rest lines; the tests are $((100 * tests / rest)) % of the code (aim: 33 % or less)"
