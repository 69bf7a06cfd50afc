#!/bin/sh
# installed_test.sh BUILD [DEB]: installs the build into a temporary prefix (or unpacks the
# Debian package DEB), checks the layout and the desktop files, then starts the installed
# program under Xvfb from an empty folder with a fresh home, as an ordinary user would: the
# data folder is made and filled, the window comes up with no message, the report page and
# REPORT.TXT are written, and a second start keeps the unit choice of the first. Run as root,
# the program runs as the user nobody; otherwise its program folder is made read-only, as an
# installed one is.
set -eu

build=$(cd "$1" && pwd)
deb=${2:-}
app=org.orvane.Orvane
guide="ORV User Guide - Final March 2012.pdf"
passed=0

tmp=$(mktemp -d)
xvfb=
program=
cleanup() {
  [ -z "$program" ] || kill "$program" 2>/dev/null || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  chmod -R u+w "$tmp" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() {
  echo "FAIL: $*" >&2
  if [ -n "$xvfb" ] && command -v import >/dev/null; then
    import -display "$DISPLAY" -window root "$build/installed-test-failure.png" 2>/dev/null &&
      echo "screen at the failure: $build/installed-test-failure.png" >&2
  fi
  echo "installed: $passed passed, 1 failed"
  exit 1
}
pass() { passed=$((passed + 1)); }

# --- Install -----------------------------------------------------------------------------
if [ -n "$deb" ]; then
  dpkg-deb -x "$deb" "$tmp/root"
  prefix=$tmp/root/usr
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
  [ "$(dpkg-deb -f "$deb" Package)" = orvane ] || fail "package name"
  [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
  for field in Maintainer Description Section; do
    [ -n "$(dpkg-deb -f "$deb" "$field")" ] || fail "package has no $field"
  done
  dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "no library dependencies"
  pass
else
  "${CMAKE:-cmake}" --install "$build" --prefix "$tmp/root/usr" >/dev/null
  prefix=$tmp/root/usr
fi

# --- Layout ------------------------------------------------------------------------------
[ -x "$prefix/bin/orvane" ] || fail "bin/orvane missing"
[ -x "$prefix/lib/orvane/orvane" ] || fail "the program is not in lib/orvane"
[ -f "$prefix/lib/orvane/$guide" ] || fail "the user guide is not beside the program"
[ -f "$prefix/share/orvane/sample/VERSION.TXT" ] || fail "no sample VERSION.TXT"
[ -f "$prefix/share/orvane/sample/SP1971.TXT" ] || fail "no sample year files"
if [ -x "$build/bin/orvane-cli" ]; then
  [ -x "$prefix/bin/orvane-cli" ] || fail "orvane-cli is not installed"
fi
[ -f "$prefix/share/icons/hicolor/scalable/apps/$app.svg" ] || fail "no scalable icon"
for size in 16 32 48 256; do
  png=$prefix/share/icons/hicolor/${size}x$size/apps/$app.png
  [ -f "$png" ] || fail "no $size pixel icon"
  # Width and height are the big-endian words at bytes 16 and 20 of a PNG.
  dims=$(od -An -tu1 -j16 -N8 "$png" | tr -s ' ' | sed 's/^ //')
  word="0 0 $((size / 256)) $((size % 256))"
  [ "$dims" = "$word $word" ] || fail "the $size pixel icon measures $dims"
done
pass

desktop=$prefix/share/applications/$app.desktop
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml" >"$tmp/appstream" ||
  { cat "$tmp/appstream"; fail "metainfo does not validate"; }
command=$(sed -n 's/^Exec=//p' "$desktop")
[ "$command" = orvane ] || fail "the desktop entry starts '$command', not the installed orvane"
pass

# --- An ordinary user --------------------------------------------------------------------
chmod 755 "$tmp"
home=$tmp/home
mkdir -p "$home" "$tmp/empty" "$tmp/own" "$tmp/run" "$tmp/tmp" "$tmp/stub"
# Reports are handed to the desktop through xdg-open: record them instead of opening them.
printf '#!/bin/sh\necho "$@" >> "%s"\n' "$tmp/opened" >"$tmp/stub/xdg-open"
chmod 755 "$tmp/stub/xdg-open"
: >"$tmp/opened"
chmod 666 "$tmp/opened"
as_user=
if [ "$(id -u)" -eq 0 ]; then
  chown "$(id -u nobody):$(id -g nobody)" "$home" "$tmp/empty" "$tmp/own" "$tmp/run" "$tmp/tmp"
  as_user="setpriv --reuid=$(id -u nobody) --regid=$(id -g nobody) --clear-groups"
  uid=$(id -u nobody)
else
  chmod -R a-w "$prefix/lib/orvane"
  uid=$(id -u)
fi
chmod 700 "$tmp/run"
data=$home/.local/share/orvane
units=$home/.config/orvane/UNITS.TXT
report=$tmp/tmp/orvane-$uid/ORV.HTM

# wait_for TEST...: waits up to 10 s for the test to hold.
wait_for() {
  i=0
  until "$@"; do
    i=$((i + 1))
    [ $i -le 100 ] || return 1
    sleep 0.1
  done
}
ended() { ! kill -0 "$program" 2>/dev/null; }
runs_installed() { [ "$(readlink "/proc/$program/exe")" = "$prefix/lib/orvane/orvane" ]; }
no_window() { [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]; }
shown() {
  found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) || true
  [ -n "$found" ] && return 0
  ended && { cat "$tmp/program.log" >&2; fail "the program ended"; }
  return 1
}
# window REGEX: the id of the visible window whose name matches.
window() { wait_for shown "$1" && echo "$found"; }
# Every message box has the bare caption "Orvane"; the main window's names the version.
no_message() { no_window '^Orvane$' || fail "a message box came up $1"; }

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" 2>/dev/null &
xvfb=$!
wait_for test -s "$tmp/display" || fail "Xvfb did not start"
DISPLAY=:$(cat "$tmp/display")
export DISPLAY

# start FOLDER [PLATFORM]: the desktop entry's command in FOLDER, as the user, in the
# background; its process id in $program (the launcher ends in exec).
start() {
  cd "$1"
  $as_user env -i HOME="$home" PATH="$tmp/stub:$prefix/bin:/usr/bin:/bin" DISPLAY="$DISPLAY" \
    XDG_RUNTIME_DIR="$tmp/run" TMPDIR="$tmp/tmp" QT_QPA_PLATFORM="${2:-xcb}" $command \
    >>"$tmp/program.log" 2>&1 &
  program=$!
  cd "$tmp"
}

main_window() {
  win=$(window '^Orvane - Version') || { no_message "at start-up"; fail "no main window"; }
  sleep 0.3 # first activation restores the unit choice
  no_message "at start-up"
  xdotool windowfocus --sync "$win"
}

close_main_window() {
  xdotool key alt+c
  wait_for ended || fail "Close did not end the program"
  wait "$program" || true
  program=
}

# First start: the data folder is made from the sample; reports and the search work.
start "$tmp/empty"
main_window
[ "$(readlink "/proc/$program/cwd")" = "$data" ] || fail "the program does not run in $data"
cmp -s "$data/VERSION.TXT" "$prefix/share/orvane/sample/VERSION.TXT" || fail "no sample in $data"
[ "$(ls "$data" | wc -l)" -eq "$(ls "$prefix/share/orvane/sample" | wc -l)" ] ||
  fail "the sample was not copied whole"
[ -z "$(ls -A "$tmp/empty")" ] || fail "the program wrote into the folder it was started from"
pass

xdotool key alt+l
wait_for test -s "$report" || fail "no report page $report"
wait_for grep -q "^file://$report\$" "$tmp/opened" || fail "the report page was not opened"
no_message "after Legend"
xdotool key alt+s
search=$(window '^Wheelbase / Track Width Search$') || fail "no search window"
xdotool windowfocus --sync "$search"
xdotool type --delay 20 250
xdotool key Tab
xdotool type --delay 20 260
xdotool key Return
wait_for grep -q 'Models found' "$data/REPORT.TXT" 2>/dev/null || fail "no REPORT.TXT"
no_message "after the search"
wait_for grep -q "^file://$data/REPORT.TXT\$" "$tmp/opened" || fail "REPORT.TXT was not opened"
xdotool key Escape
wait_for no_window '^Wheelbase' || fail "Escape did not close the search window"
pass

xdotool windowfocus --sync "$win"
xdotool key alt+u ctrl+a
xdotool type --delay 20 Imperial
xdotool key Tab
close_main_window
[ "$(cat "$units" 2>/dev/null)" = I ] || fail "the unit choice is not in $units"
[ ! -e "$prefix/lib/orvane/UNITS.TXT" ] || fail "UNITS.TXT was written into the program folder"
[ "$(stat -c %a "$home/.config/orvane")" = 700 ] || fail "the configuration folder is not private"
pass

# Second start: the data folder is kept as it is, and so is the unit choice.
echo "kept" >>"$data/VERSION.TXT"
cp "$data/VERSION.TXT" "$tmp/version-before"
start "$tmp/empty"
main_window
close_main_window # stores what the start restored
[ "$(cat "$units")" = I ] || fail "the second start lost the unit choice"
cmp -s "$data/VERSION.TXT" "$tmp/version-before" || fail "the second start overwrote the data"
[ -f "$data/REPORT.TXT" ] || fail "the second start removed REPORT.TXT"
pass

# Started in a folder with its own data (any letter case), the program uses that folder.
echo "2026.1 own data" >"$tmp/own/Version.txt"
start "$tmp/own" offscreen
wait_for runs_installed || fail "the launcher did not start the program"
[ "$(readlink "/proc/$program/cwd")" = "$tmp/own" ] || fail "a folder with data was not used"
pass

echo "installed: $passed passed, 0 failed"
