#!/bin/sh
# vesoma-cal --pdf without any print server: the pages of a month and of a
# span, their text read back as the grid draws it, the fonts embedded, A4
# portrait; a file that cannot be written is told and leaves nothing behind.
# usage: pdf_cli_test.sh VESOMA-CAL WORK-FOLDER
set -eu
cal=$1
rm -rf "$2" && mkdir -p "$2" && cd "$2"
fail() { echo "pdf_cli_test: $*" >&2; exit 1; }
# Blanks of any width (the title has a full-width one) as one, no empty lines.
squeeze() { sed -e 's/\xe3\x80\x80/ /g' -e 's/[[:space:]]\+/ /g' -e 's/^ //' -e 's/ $//' | grep -v '^$'; }

"$cal" --pdf one.pdf 2001 2 && "$cal" --pdf span.pdf 2001 1 2002 1 || fail "not written"
pdfinfo one.pdf | grep -q '^Pages: *1$' || fail "one month is not one page"
pdfinfo span.pdf | grep -q '^Pages: *13$' || fail "thirteen months are not thirteen pages"
pdfinfo one.pdf | grep -q '^Page size: *595.276 x 841.89 pts (A4)$' || fail "not A4 portrait"
pdffonts one.pdf | awk 'NR > 2 { fonts++; if ($(NF - 4) != "yes") bare++ } END { exit !(fonts && !bare) }' ||
  fail "a font is not embedded"
"$cal" --color=never 2001 2 | squeeze > grid.txt
pdftotext -layout -enc UTF-8 one.pdf - | squeeze | diff grid.txt - || fail "the text is not the grid"
pdftotext -f 13 -l 13 -layout -enc UTF-8 span.pdf - | squeeze | head -1 | grep -q '^2002年 1月 睦月$' ||
  fail "the last page is not January 2002"

touch plain
for bad in plain/x.pdf missing/x.pdf; do
  ! "$cal" --pdf "$bad" 2001 2 2> error.txt || fail "$bad written"
  grep -q "cannot write the PDF file $bad" error.txt || fail "no message for $bad"
done
[ "$(ls | tr '\n' ' ')" = "error.txt grid.txt one.pdf plain span.pdf " ] || fail "left behind: $(ls)"
