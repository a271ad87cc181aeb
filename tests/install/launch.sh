#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the installed program under a private X server, as a user would, and checks where it
# finds its files and keeps its settings.
# Usage: launch.sh CASE INSTALL_WORK_DIR WORK_DIR BINDIR PROGRAMDIR DATADIR
#   writable  the program folder can be written: the settings go beside the program, and F1
#             hands the desktop the help.chm beside the program
#   readonly  the program folder is read-only: the settings go to $XDG_CONFIG_HOME/orvane
#   scheme    the desktop entry's command opens a scheme file given as its argument
work=$3
source "$(dirname "$0")/lib.sh"
case_name=$1 installed=$2/prefix bindir=$4 programdir=$5 datadir=$6
require_tools Xvfb xdotool cmp

rm -rf "$work"
mkdir -p "$work/home" "$work/config" "$work/runtime" "$work/shell" "$work/elsewhere"
chmod 700 "$work/runtime"
# A copy of its own, so that the settings one case writes never reach another.
cp -a "$installed" "$work/prefix"
prefix=$work/prefix
program_folder=$prefix/$programdir
[ ! -e "$program_folder/myset.cfg" ] || fail "the installed tree already holds a settings file"

# Stands in for the desktop's document opener, which Qt runs for QDesktopServices::openUrl.
cat >"$work/shell/xdg-open" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$*" >>"$work/opened"
SCRIPT
chmod +x "$work/shell/xdg-open"

xvfb_pid=
program_pid=
stop_started_processes() {
  local status=$?
  if [ "$status" -ne 0 ] && [ -s "$work/program.log" ]; then
    echo "The program's output:" >&2
    cat "$work/program.log" >&2
  fi
  if [ -n "$program_pid" ]; then
    kill "$program_pid" 2>/dev/null || true
  fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}
trap stop_started_processes EXIT

# A private X server on a free display. It must not reset when its last client leaves, which
# would refuse the program connecting just after the check below.
start_xvfb() {
  local display_file=$work/xvfb-display
  : >"$display_file"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$display_file" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  wait_until "the X server" grep -q '^[0-9]' "$display_file"
  export DISPLAY=:$(head -n 1 "$display_file")
  unset XAUTHORITY WAYLAND_DISPLAY
  export QT_QPA_PLATFORM=xcb
  # English, whatever the caller's locale: the checks look for English window titles.
  unset LANGUAGE LC_ALL LC_MESSAGES
  export LANG=C.UTF-8
  xdotool getmouselocation >/dev/null || fail "the X server on $DISPLAY does not answer: $(cat "$work/xvfb.log")"
}

program_running() {
  kill -0 "$program_pid" 2>/dev/null
}

window_shown() {
  xdotool search --onlyvisible --name "$1" >/dev/null 2>&1
}

# Waits for a visible window whose title matches PATTERN while the program runs.
wait_for_window() {
  local pattern=$1
  local attempt
  for attempt in $(seq 1 600); do
    program_running || fail "the program ended before a window titled $pattern appeared"
    window_shown "$pattern" && return 0
    sleep 0.2
  done
  fail "no window titled $pattern appeared"
}

export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
export PATH=$work/shell:$prefix/$bindir:$PATH
start_xvfb
cd "$work/elsewhere"

record_byte_count() {
  [ "$(wc -c <"$1")" -eq 86 ] || fail "$1 holds $(wc -c <"$1") bytes, not one 86-byte record"
}

# The About splash is titled like the main window; it is open before the main window exists, so
# the main window is the one titled Orvane that was not there while Quick Tips was showing.
main_window_ready() {
  wait_for_window '^Quick Tips'
  local splash tips
  splash=$(xdotool search --onlyvisible --name '^Orvane$' || true)
  tips=$(xdotool search --onlyvisible --name '^Quick Tips' | head -n 1)
  xdotool windowfocus --sync "$tips"
  xdotool key --clearmodifiers Escape
  local attempt window
  for attempt in $(seq 1 600); do
    program_running || fail "the program ended before its main window appeared"
    for window in $(xdotool search --onlyvisible --name '^Orvane$' || true); do
      if ! grep -qx "$window" <<<"$splash"; then
        main_window=$window
        return 0
      fi
    done
    sleep 0.2
  done
  fail "the main window did not appear"
}

quit_main_window() {
  xdotool windowfocus --sync "$main_window"
  xdotool key --clearmodifiers ctrl+q
  local status=0
  wait "$program_pid" || status=$?
  program_pid=
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

case "$case_name" in
  writable)
    orvane >"$work/program.log" 2>&1 &
    program_pid=$!
    main_window_ready
    xdotool windowfocus --sync "$main_window"
    xdotool key --clearmodifiers F1
    wait_until "F1 to open the help document" test -s "$work/opened"
    expected="file://$program_folder/help.chm"
    [ "$(head -n 1 "$work/opened")" = "$expected" ] ||
      fail "F1 opened '$(head -n 1 "$work/opened")', not $expected"
    [ -s "$program_folder/help.chm" ] || fail "F1 opened $expected, which is not there"
    quit_main_window
    [ -f "$program_folder/myset.cfg" ] || fail "no settings file beside the program in $programdir"
    record_byte_count "$program_folder/myset.cfg"
    [ ! -e "$prefix/$bindir/myset.cfg" ] || fail "the settings went to $bindir, the command's folder"
    [ ! -e "$XDG_CONFIG_HOME/orvane/myset.cfg" ] ||
      fail "the settings went to the configuration folder although the program folder is writable"
    ;;

  readonly)
    # A read-only bind mount in a private mount namespace: unlike file modes, it holds for root too.
    namespace=(unshare --mount)
    [ "$(id -u)" -eq 0 ] || namespace=(unshare --map-root-user --mount)
    read_only=("${namespace[@]}" sh -c '
      mount --bind "$1" "$1" && mount -o remount,bind,ro "$1" || exit 90
      if touch "$1/.write-test" 2>/dev/null; then exit 91; fi
      shift
      exec "$@"' sh "$program_folder")
    probe=0
    "${read_only[@]}" true || probe=$?
    [ "$probe" -eq 0 ] || fail "could not make the program folder read-only (status $probe)"
    "${read_only[@]}" orvane >"$work/program.log" 2>&1 &
    program_pid=$!
    main_window_ready
    quit_main_window
    [ -f "$XDG_CONFIG_HOME/orvane/myset.cfg" ] ||
      fail "no settings file in \$XDG_CONFIG_HOME/orvane although the program folder is read-only"
    record_byte_count "$XDG_CONFIG_HOME/orvane/myset.cfg"
    [ ! -e "$program_folder/myset.cfg" ] || fail "a settings file appeared in the read-only program folder"
    ;;

  scheme)
    # Favourites and web preview colours that differ from the defaults, only the History window
    # open, and Quick Tips switched off: 86 bytes in the settings and scheme record layout.
    scheme="$work/home/My Schemes/autumn evening.vrx"
    mkdir -p "$(dirname "$scheme")"
    {
      printf '\x11\x22\x33\x00\x44\x55\x66\x00\x77\x88\x99\x00\xaa\xbb\xcc\x00\xdd\xee\xff\x00'
      printf '\x01\x02\x03\x00\x04\x05\x06\x00\x07\x08\x09\x00\x0a\x0b\x0c\x00'
      printf '\x00\x55\xaa\x00\x00\xff\x00\x00\xff\xff\xff\xff\x56\x34\x12\x00\x00\x00\x00\x00'
      printf '\x64\x00\x64\x00\x64\x00\x64\x00\x64\x00\x64\x00\x64\x00\x64\x00'
      printf '\x00\x00\x00\x00\xff\xff\x00\x00'
      printf '\xcc\x66\x33\x00'
      printf '\x00\x00'
    } >"$scheme"
    record_byte_count "$scheme"

    desktop_file=$prefix/$datadir/applications/org.orvane.Orvane.desktop
    exec_line=$(sed -n 's/^Exec=//p' "$desktop_file")
    [ -n "$exec_line" ] || fail "the desktop entry has no Exec line"
    command=()
    for word in $exec_line; do
      case "$word" in
        %f | %F | %u | %U) command+=("$scheme") ;;
        %*) ;;
        *) command+=("$word") ;;
      esac
    done
    [[ " ${command[*]} " == *" $scheme "* ]] || fail "the Exec line '$exec_line' does not pass the file on"
    "${command[@]}" >"$work/program.log" 2>&1 &
    program_pid=$!
    main_window_ready
    # The scheme opens the History window and closes Favorites, which the first run opens.
    wait_for_window '^History'
    quit_main_window
    settings=$program_folder/myset.cfg
    [ -f "$settings" ] || fail "no settings file beside the program"
    record_byte_count "$settings"
    cmp -n 56 "$scheme" "$settings" || fail "the web preview colours or favourites are not the scheme's"
    cmp -i 72:72 -n 8 "$scheme" "$settings" || fail "the open tool windows are not the scheme's"
    cmp -i 84:84 -n 2 "$scheme" "$settings" || fail "the Quick Tips choice is not the scheme's"
    ;;

  *)
    fail "unknown case $case_name"
    ;;
esac
echo "$case_name: passed"
