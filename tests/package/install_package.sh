#!/usr/bin/env bash
# Builds the Debian package of this build folder, installs it into this
# machine with apt-get, checks what a user gets (the files, the desktop entry,
# the metadata, the terminal tool, the program started as the application
# menu starts it) and purges it again, also when a check fails. Exits 77
# (skipped) when not root, when the package is already installed, or when apt
# cannot install it; no other package stays behind either.
#   install_package.sh CPACK_CONFIG BUILT_VESOMA_CAL BUILT_UMS_FILE
set -uo pipefail
config=$1 built_cal=$2 built_ums=$3
id=org.vesoma.Vesoma

skip() { echo "install_package: skipped: $*"; exit 77; }
fail() { echo "install_package: FAIL: $*" >&2; failed=1; }

[[ $(id -u) -eq 0 ]] || skip "installing a package needs root"
command -v apt-get >/dev/null && command -v dpkg >/dev/null || skip "no apt-get or dpkg on this machine"
for tool in cpack desktop-file-validate appstreamcli lintian xvfb-run; do
  command -v "$tool" >/dev/null || { echo "install_package: $tool is missing (scripts/install-deps installs it)" >&2; exit 1; }
done
if dpkg-query -W -f='${Status}' vesoma 2>/dev/null | grep -q ' installed$'; then
  skip "a vesoma package is already installed; the test would change it"
fi

work=$(mktemp -d)
chmod 755 "$work"  # apt's download user reads the .deb from here
before=$(dpkg-query -W -f='${Package}\n' | sort)
installed=0
failed=0
cleanup() {
  if ((installed)); then
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq vesoma >/dev/null 2>&1 || true
    # Whatever apt pulled in for the package goes too.
    extra=$(comm -13 <(echo "$before") <(dpkg-query -W -f='${Package}\n' | sort))
    [[ -z "$extra" ]] || DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq $extra >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# The package.
cpack -G DEB --config "$config" -B "$work/pkg" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/pkg/vesoma_*.deb 2>/dev/null | head -n 1)
[[ -n "$deb" ]] || { cat "$work/cpack.log"; echo "install_package: cpack made no .deb" >&2; exit 1; }
echo "install_package: built $(basename "$deb")"

lint=$(lintian --fail-on error,warning "$deb" 2>&1 | grep -v 'running with root privileges'; exit "${PIPESTATUS[0]}") ||
  fail "lintian: $lint"
[[ -z "$lint" ]] || echo "lintian: $lint"

# Installed as a user installs it.
if ! DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >"$work/apt.log" 2>&1; then
  installed=1  # a half-installed package is purged as well
  cat "$work/apt.log"
  skip "apt-get could not install the package"
fi
installed=1

files=$(dpkg -L vesoma)
for f in /usr/bin/vesoma /usr/bin/vesoma-cal /usr/share/vesoma/vesoma.ums \
         /usr/share/applications/$id.desktop /usr/share/metainfo/$id.metainfo.xml \
         /usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/$id.png \
         /usr/share/icons/hicolor/scalable/apps/$id.svg \
         /usr/share/man/man1/vesoma.1.gz /usr/share/man/man1/vesoma-cal.1.gz \
         /usr/share/doc/vesoma/copyright /usr/share/doc/vesoma/changelog.Debian.gz; do
  grep -qxF "$f" <<<"$files" || fail "dpkg -L vesoma lacks $f"
  [[ -f "$f" ]] || fail "$f is not installed"
done
desktop-file-validate /usr/share/applications/$id.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net /usr/share/metainfo/$id.metainfo.xml >"$work/as.log" 2>&1 ||
  { cat "$work/as.log"; fail "appstreamcli validate"; }
exec_line=$(grep '^Exec=' /usr/share/applications/$id.desktop | cut -d= -f2-)

# The installed terminal tool prints what the built one prints; in a folder
# of its own, so no event file of the build folder is counted.
mkdir -p "$work/empty" "$work/withums"
cp "$built_ums" "$work/withums/vesoma.ums"
(cd "$work/empty" && /usr/bin/vesoma-cal 2001 2) >"$work/month.txt" || fail "vesoma-cal 2001 2 exited $?"
(cd "$work/empty" && "$built_cal" 2001 2) >"$work/month.expected" || fail "built vesoma-cal 2001 2"
[[ -s "$work/month.txt" ]] && cmp -s "$work/month.txt" "$work/month.expected" ||
  fail "the installed vesoma-cal 2001 2 does not print the month"

# The program as the menu starts it, for a user with no folder yet: HOME only,
# then XDG_DATA_HOME set. It must create the folder, find the installed
# fortune file and keep running until stopped.
start_from_menu() {  # start_from_menu HOME [XDG_DATA_HOME]
  local home=$1 data=${2:-}
  mkdir -p "$home"
  (cd / && env -u XDG_DATA_HOME HOME="$home" ${data:+XDG_DATA_HOME="$data"} \
     xvfb-run -a timeout 8 $exec_line) >"$work/run.out" 2>"$work/run.err"
  local rc=$?
  [[ $rc -eq 124 ]] || { cat "$work/run.err"; fail "$exec_line ended early with exit $rc"; }
  ! grep -q 'fortune file' "$work/run.err" || fail "$exec_line did not find the fortune file: $(cat "$work/run.err")"
}
start_from_menu "$work/home"
[[ -d "$work/home/.local/share/vesoma" ]] || fail "$exec_line did not create ~/.local/share/vesoma"
start_from_menu "$work/home2" "$work/xdg"
[[ -d "$work/xdg/vesoma" ]] || fail "$exec_line did not create \$XDG_DATA_HOME/vesoma"
# In that folder, without a fortune file of its own, --day shows the fortune
# texts of the installed one, as with the file at hand.
(cd "$work/home/.local/share/vesoma" && /usr/bin/vesoma-cal --day 2001 5 3) >"$work/day.txt"
(cd "$work/withums" && "$built_cal" --day 2001 5 3) >"$work/day.expected"
cmp -s "$work/day.txt" "$work/day.expected" || fail "vesoma-cal --day does not find the installed fortune file"

# Removed without a trace.
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq vesoma >/dev/null 2>&1 || fail "apt-get purge vesoma"
dpkg-query -W -f='${Status}' vesoma 2>/dev/null | grep -q ' installed$' && fail "vesoma is still installed"
while read -r f; do
  [[ -e "$f" ]] || continue
  # Shared folders (/usr/bin, the icon sizes) stay; the package's own go.
  [[ -d "$f" && "$f" != /usr/share/vesoma && "$f" != /usr/share/doc/vesoma ]] && continue
  fail "$f is left after the purge"
done <<<"$files"
extra=$(comm -13 <(echo "$before") <(dpkg-query -W -f='${Package}\n' | sort))
if [[ -n "$extra" ]]; then
  DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq $extra >/dev/null 2>&1 || true
fi
installed=0

((failed == 0)) || exit 1
echo "install_package: the package installs, runs from the menu's command and purges cleanly"
