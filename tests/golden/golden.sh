#!/usr/bin/env bash
# The outputs of vesoma-cal, locked byte for byte in outputs.tar.xz: every field
# of every day 1900-2100 (and 2000-2008 with the event file below), the month
# grids of chosen months in the three table types with colours, with and
# without events, and the day window of chosen days.
#
#   tests/golden/golden.sh TOOL UMS                compare; CTest runs this
#   tests/golden/golden.sh --regenerate TOOL UMS   rewrite outputs.tar.xz
#
# e.g. tests/golden/golden.sh --regenerate build/cli/vesoma-cal build/core/fortune/vesoma.ums
# Regenerate only when an output is meant to change: it lists the cases that
# changed with their first differing lines, for the commit message.
set -euo pipefail
regenerate=0
if [[ ${1-} == --regenerate ]]; then regenerate=1 && shift; fi
if (($# != 2)); then echo "usage: $0 [--regenerate] TOOL UMS" >&2 && exit 2; fi
tool=$(realpath "$1") ums=$(realpath "$2")
archive=$(cd "$(dirname "$0")" && pwd)/outputs.tar.xz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/new" "$work/old" "$work/pack" "$work/bare" "$work/day"
cp "$ums" "$work/day/vesoma.ums"

# The event file, CP932 with CR LF: every date rule, records on holidays and
# on a substitute holiday, more events on 5 May 2001 than the grid's text
# holds, names too long to store, lines the reader skips, and a last line
# without its line end, which is never read.
events=$work/events.cal
{
  iconv -f UTF-8 -t CP932 <<'EOF' | sed 's/$/\r/'
2001/ 5/ 3,憲法記念日の集い
2000/3/20日,春分の会
****/12/25,クリスマス
****/ 2/29,閏日の祝い
****/**/ 1,月初めの点検
****/**/31,月末の締め
****/**/毎週日曜日,礼拝
****/**/第１月曜日,朝礼
****/**/第２火曜日,定例会
****/**/第３水曜日,ノー残業デー
****/**/第４木曜日,読書会
****/**/第５土曜日,特別講座
****/ 5/第２日曜日,母の日
2001/**/毎週金曜日,金曜の会
2007/**/12,十二日の会
第３水曜日,短い書き方
****/ 1/ 1,初詣
2007/ 2/12,振替休日の予定
2000/ 6/ 7,九星の切り替わり
2033/12/22,閏月の始まり
****/ 5/ 5,菖蒲湯
2001/ 5/ 5,こどもの日の遠足
2001/ 5/ 5,ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJK
2001/ 5/ 5,とても長い名前の予定とても長い名前の予定とても長い名前の予定とても長い
2001/ 5/ 5,予定四
2001/ 5/ 5,予定五
2001/ 5/ 5,予定六
2001/ 5/ 5,予定七
2001/ 5/ 5,予定八
2001/ 5/ 5,予定九
2001/ 5/ 5,予定十
2001/ 5/ 5,予定十一
1949/ 5/ 3,範囲外の年
****/**/**,日のない行
12/25,二つだけの日付
1996/13/ 3,十三月
2001/13/第２火曜日,来ない日
2001/ 5/ 6
EOF
  printf '****/**/ 2,%s' "$(iconv -f UTF-8 -t CP932 <<<'読まれない最後の行')"
} >"$events"

# The grid of a month, the day window of a day; only the day window's folder
# holds the fortune file.
grid() {
  local t
  for t in 0 1 2; do
    (cd "$work/bare" && "$tool" --table $t --color=always "$1" "$2") >"$work/new/grid-$1-$2-t$t"
    (cd "$work/bare" && "$tool" --table $t --color=always --events "$events" "$1" "$2") \
      >"$work/new/grid-$1-$2-t$t-events"
  done
}
day() { (cd "$work/day" && "$tool" --color=always --events "$events" --day "$@") >"$work/new/day-$1-$2-$3"; }

(cd "$work/bare" && "$tool" --tsv 1900 1 2100 12) >"$work/new/tsv-1900-2100.tsv"
(cd "$work/bare" && "$tool" --tsv --events "$events" 2000 1 2008 12) >"$work/new/tsv-2000-2008-events.tsv"
# The range ends; lunisolar months numbered out of order (1984-85, 2033-34,
# 2052); two lunisolar months begun in one month (1997-09); leap months
# (2001-05/06, 2004-03, 2033-12, 2034-02); equinox holidays, 2005-03 with its
# substitute; substitute holidays and a Sunday 1 January without one (2006-01);
# nine-star switches (2000-06, 2000-12, 1975-12 on the 1st); a term on the 3rd
# (2025-02); four notes on one day (1902-08); Februaries of leap and common
# years; the first month of day numbers from 1 (1975-01); year ends.
for month in 1900-01 1900-02 1902-08 1975-01 1975-12 1984-11 1984-12 1985-02 1997-09 1999-12 \
  2000-01 2000-02 2000-03 2000-04 2000-06 2000-09 2000-12 2001-05 2001-06 2004-03 2005-03 \
  2006-01 2007-02 2007-12 2025-02 2033-10 2033-12 2034-02 2052-12 2100-02 2100-12; do
  grid "${month%-*}" "$((10#${month#*-}))"
done
# A holiday with a term and twelve events, a substitute holiday, an equinox,
# a leap month's first day, a nine-star switch, three notes, the range ends.
for date in "1900 1 1" "2000 3 20" "2000 4 5" "2000 6 7" "2001 5 5" "2001 5 23" "2007 2 12" "2100 12 31"; do
  day $date
done
(cd "$work/bare" && "$tool" --color=always --events "$events" --day 2001 5 5) >"$work/new/day-2001-5-5-no-fortune"

# The archive keeps a TSV column by column, which xz packs thirty times smaller.
if [[ -f $archive ]]; then
  xz -dc "$archive" | tar -x -C "$work/pack"
  for dir in "$work/pack"/*.tsv; do
    [[ -d $dir ]] && paste "$dir"/* >"$work/old/${dir##*/}"
  done
  find "$work/pack" -maxdepth 1 -type f -exec cp {} "$work/old" \;
fi

status=0
for file in $( (ls "$work/new" && ls "$work/old") | sort -u); do
  if [[ ! -f $work/old/$file || ! -f $work/new/$file ]]; then
    status=1
    echo "golden case $file: only in the $([[ -f $work/new/$file ]] && echo output || echo golden) files"
  elif ! cmp -s "$work/old/$file" "$work/new/$file"; then
    status=1
    echo "golden case $file differs (< golden, > now):"
    [[ $file == *.tsv ]] && head -1 "$work/new/$file"
    diff "$work/old/$file" "$work/new/$file" 2>&1 | head -12 | cat -v || true
  fi
done

if ((regenerate)); then
  rm -rf "$work/pack" && mkdir "$work/pack"
  for file in "$work/new"/*; do
    if [[ $file == *.tsv ]]; then
      mkdir "$work/pack/${file##*/}"
      for i in $(seq 1 16); do cut -f$i "$file" >"$work/pack/${file##*/}/$(printf %02d $i)"; done
    else
      cp "$file" "$work/pack"
    fi
  done
  tar -C "$work/pack" --sort=name --owner=0 --group=0 --numeric-owner --mtime=@0 -cf - . | xz -9e >"$archive"
  echo "rewrote $archive"
  exit 0
fi
exit $status
