#!/usr/bin/env bash
# Every translation is complete: lupdate, run over the sources into a copy of
# each .ts file, finds no text without its translation (new, or left
# unfinished) and none whose source text has gone from the code.
#   check-translations.sh LUPDATE SOURCE_FOLDER TS_FILE... -- LUPDATE_OPTION...
set -euo pipefail
lupdate=$1 sources=$2
shift 2
ts_files=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do ts_files+=("$1"); shift; done
[ $# -gt 0 ] && shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "${ts_files[@]}"; do
  copy="$work/$(basename "$ts")"
  cp "$ts" "$copy"
  "$lupdate" -silent "$@" "$sources" -ts "$copy"
  for kind in unfinished vanished obsolete; do
    count=$(grep -c "type=\"$kind\"" "$copy" || true)
    if [ "$count" -gt 0 ]; then
      echo "$(basename "$ts"): $count $kind:" >&2
      grep -B1 "type=\"$kind\"" "$copy" | grep "<source>" | sed 's/^ */  /' >&2
      status=1
    fi
  done
done
[ $status -eq 0 ] && echo "${#ts_files[@]} translations complete: $(grep -c '<source>' "${ts_files[0]}") texts each"
exit $status
