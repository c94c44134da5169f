#!/usr/bin/env bash
# The outputs of vesoma-cal, locked byte for byte in outputs.tar.xz: every field
# of every day 1900-2100 with the standard and with the precise astronomy and
# with the holidays by law (and of 2000-2008 with the events of events.txt),
# the month grids of chosen months in the three table types with colours, with
# and without events (a few with the holidays by law), and the day window of
# chosen days.
#
#   tests/golden/golden.sh TOOL UMS                compare; CTest runs this
#   tests/golden/golden.sh --regenerate TOOL UMS   rewrite outputs.tar.xz
#
# e.g. tests/golden/golden.sh --regenerate build/cli/vesoma-cal build/core/fortune/vesoma.ums
# Regenerate only when an output is meant to change; it lists the cases that
# changed with their first differing lines, for the commit message.
set -euo pipefail
regenerate=0
if [[ ${1-} == --regenerate ]]; then regenerate=1 && shift; fi
if (($# != 2)); then echo "usage: $0 [--regenerate] TOOL UMS" >&2 && exit 2; fi
tool=$(realpath "$1") ums=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
archive=$here/outputs.tar.xz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/new" "$work/old" "$work/pack" "$work/bare" "$work/day"
cp "$ums" "$work/day/vesoma.ums"

# events.txt in CP932 with CR LF, as the program writes it (every date rule,
# events on holidays, more on 5 May 2001 than the grid's text holds, names too
# long, lines the reader skips), and a last line without CR LF, never read.
events=$work/events.cal
{
  iconv -f UTF-8 -t CP932 "$here/events.txt" | sed 's/$/\r/'
  printf '****/**/ 2,%s' "$(iconv -f UTF-8 -t CP932 <<<'読まれない最後の行')"
} >"$events"

# Runs the tool in a folder (bare, or day with the fortune file) for a case.
run() { (cd "$work/$1" && shift 2 && "$tool" "$@") >"$work/new/$2"; }

run bare tsv-1900-2100.tsv --tsv 1900 1 2100 12
run bare tsv-1900-2100-precise.tsv --astronomy=precise --tsv 1900 1 2100 12
run bare tsv-2000-2008-events.tsv --tsv --events "$events" 2000 1 2008 12
run bare tsv-1900-2100-law.tsv --holidays=law --tsv 1900 1 2100 12
# The holidays by law: 1948, the year the law began; the longest names (1989-02,
# 2019-05, 2019-10); the moves of 2020; a 振替休日 on a Wednesday (2025-05).
for month in 1948-09 1989-02 2019-05 2019-10 2020-07 2025-05; do
  run bare "grid-$month-t2-law" --holidays=law --table 2 --color=always --events "$events" ${month/-/ }
done
run day day-2019-10-22-law --holidays=law --color=always --day 2019 10 22
# Range ends; lunisolar months numbered out of order (1984-85, 2033-34, 2052);
# two lunisolar months begun in a month (1997-09); leap months (2001-05/06,
# 2004-03, 2033-12, 2034-02); equinoxes, 2005-03 with a substitute holiday;
# substitute holidays, none after a Sunday 1 January (2006-01); nine-star
# switches (2000-06, 2000-12, 1975-12 on the 1st); a term on the 3rd (2025-02);
# four notes on a day (1902-08); Februaries; day numbers from 1 (1975-01).
for month in 1900-01 1900-02 1902-08 1975-01 1975-12 1984-11 1984-12 1985-02 1997-09 1999-12 \
  2000-01 2000-02 2000-03 2000-04 2000-06 2000-09 2000-12 2001-05 2001-06 2004-03 2005-03 \
  2006-01 2007-02 2007-12 2025-02 2033-10 2033-12 2034-02 2052-12 2100-02 2100-12; do
  for t in 0 1 2; do
    run bare "grid-$month-t$t" --table $t --color=always ${month/-/ }
    run bare "grid-$month-t$t-events" --table $t --color=always --events "$events" ${month/-/ }
  done
done
# A holiday with a term and twelve events, a substitute holiday, an equinox,
# a leap month's first day, a nine-star switch, three notes, the range ends.
for date in 1900-01-01 2000-03-20 2000-04-05 2000-06-07 2001-05-05 2001-05-23 2007-02-12 2100-12-31; do
  run day "day-$date" --color=always --events "$events" --day ${date//-/ }
done
run bare day-2001-05-05-no-fortune --color=always --events "$events" --day 2001 5 5

# The archive keeps a TSV column by column, which xz packs thirty times smaller.
if [[ -f $archive ]]; then
  xz -dc "$archive" | tar -x -C "$work/pack"
  for file in "$work/pack"/*; do
    if [[ -d $file ]]; then paste "$file"/* >"$work/old/${file##*/}"; else cp "$file" "$work/old"; fi
  done
fi

# The first cases that differ in detail, escapes shown as \e; then only names.
differ=0
for file in $( (ls "$work/new" && ls "$work/old") | sort -u); do
  cmp -s "$work/old/$file" "$work/new/$file" && continue
  differ=$((differ + 1))
  if ((differ > 3)); then
    echo "golden case $file differs"
  else
    echo "golden case $file differs (< golden, > now):"
    if [[ $file == *.tsv ]]; then head -1 "$work/new/$file"; fi
    diff "$work/old/$file" "$work/new/$file" 2>&1 | head -12 | sed $'s/\x1b/\\\\e/g' || true
  fi
done
if ((differ > 0)); then echo "$differ golden cases differ"; fi

if ((regenerate)); then
  rm -rf "$work/pack" && mkdir "$work/pack"
  for file in "$work/new"/*; do
    if [[ $file == *.tsv ]]; then
      mkdir "$work/pack/${file##*/}"
      for i in $(seq 1 16); do cut -f"$i" "$file" >"$work/pack/${file##*/}/$(printf %02d "$i")"; done
    else
      cp "$file" "$work/pack"
    fi
  done
  tar -C "$work/pack" --sort=name --owner=0 --group=0 --numeric-owner --mtime=@0 -cf - . | xz -9e >"$archive"
  echo "rewrote $archive"
  exit 0
fi
exit $((differ > 0))
