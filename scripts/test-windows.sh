#!/bin/bash
# Builds the Windows program with its unit tests (scripts/build-windows.sh --tests) and tests it
# under Wine:
#   1. the cross-built unit tests of the runtime core, the package reader and the decoders;
#   2. the packaged Kipto2.exe on a virtual X display: the loading screen, the name prompt of a
#      new installation, a typed name, the main menu (its screenshot is compared with the Linux
#      program's after the same steps), the menu's quit button, a normal exit and the profile's
#      settings file; then a second start closed with Alt+F4;
#   3. a crash on purpose: its report names the exception and has a backtrace, and the next
#      start takes it, in a folder whose name has a letter beyond ASCII.
# Usage: scripts/test-windows.sh [--no-build]
#   KIPTO2_NATIVE_BUILD names the native build folder, as for scripts/build-windows.sh.
# Screenshots and logs go to build-windows/test/. Needs scripts/install-deps.sh and
# scripts/install-windows-deps.sh.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=${KIPTO2_WINDOWS_BUILD:-$root/build-windows}
test=$out/test
jobs=${JOBS:-1}
# The native build that made the data package (scripts/build-windows.sh) also gives the Linux
# program for the reference screenshot.
native=${KIPTO2_NATIVE_BUILD:-$out/native}

[ "${1:-}" = "--no-build" ] || "$root/scripts/build-windows.sh" --tests
say() { echo "== test-windows: $*"; }
fail() { echo "FAIL: $*"; exit 1; }

# A Wine folder of our own, made once; no prompts to install Wine's .NET or browser parts.
export WINEPREFIX=$out/wine
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    say "making the Wine folder"
    wineboot --init >/dev/null 2>&1
    # A crash ends the program without Wine's crash dialog, which would wait for a click.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wineserver --wait
fi

say "unit tests under Wine"
# The test programs find the DLLs where they were built.
export WINEPATH="Z:$out/prefix/bin;Z:/usr/x86_64-w64-mingw32/lib"
ctest --test-dir "$out/game" -j2 --output-on-failure --timeout 300

# The Linux program, for the reference screenshot.
say "building the Linux program for the reference"
nice -n 19 ninja -C "$native" -j"$jobs" Kipto2 >/dev/null

rm -rf "$test"
mkdir -p "$test"
rm -f "$test/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$test/display" >"$test/xvfb.log" 2>&1 &
xvfb=$!
program=""
cleanup() {
    [ -n "$program" ] && kill "$program" 2>/dev/null
    wineserver --kill 2>/dev/null || true
    kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
}
trap cleanup EXIT
for _ in $(seq 1 300); do [ -s "$test/display" ] && break; sleep 0.1; done
display=$(head -n 1 "$test/display")
[ -n "$display" ] || fail "Xvfb did not start"
export DISPLAY=:$display
export SDL_AUDIODRIVER=dummy KIPTO2_RENDERER=software KIPTO2_SEED=1
unset SDL_VIDEODRIVER

# The game's 800x600 picture, from the window's own pixels.
shot() { import -window "$1" "$2"; }

# Runs one program through the flow: NAME HOME COMMAND...; the screenshots are NAME-*.png.
play() {
    local name=$1 home=$2
    shift 2
    mkdir -p "$home"
    "$@" >"$test/$name.log" 2>&1 &
    program=$!
    local window
    window=$(timeout 120 xdotool search --sync --onlyvisible --name "Kipto2" | head -n 1) ||
        fail "$name: no window"
    # The first picture: the loading screen while the package is read, unless it was quicker.
    shot "$window" "$test/$name-loading.png"
    # Loading, then the name prompt of a new installation.
    sleep 15
    shot "$window" "$test/$name-prompt.png"
    xdotool type --delay 80 "Wine"
    xdotool key Return
    # The main menu fades in and its sign settles.
    sleep 8
    shot "$window" "$test/$name-menu.png"
    # The quit button of the main menu.
    xdotool mousemove --window "$window" 674 414 click 1
    local status=0
    for _ in $(seq 1 300); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
    wait "$program" || status=$?
    program=""
    [ "$status" = 0 ] || fail "$name: exit status $status (log: $test/$name.log)"
}

say "the Linux program"
play linux "$test/home-linux" env KIPTO2_HOME="$test/home-linux" "$native/Kipto2"
say "Kipto2.exe under Wine"
play windows "$test/home-windows" env KIPTO2_HOME="Z:$test/home-windows" wine "$out/Kipto2-windows/Kipto2.exe"

# The profile was written to the settings file in the folder given.
ls "$test/home-windows"/*.sqlite >/dev/null 2>&1 || fail "no settings file in $test/home-windows"

# Alt+F4 closes the game as the window's close button does, once the profile's menu is up.
say "Kipto2.exe closed with Alt+F4"
KIPTO2_HOME="Z:$test/home-windows" wine "$out/Kipto2-windows/Kipto2.exe" >"$test/alt-f4.log" 2>&1 &
program=$!
window=$(timeout 120 xdotool search --sync --onlyvisible --name "Kipto2" | head -n 1) || fail "Alt+F4: no window"
sleep 15
xdotool windowfocus --sync "$window"
xdotool key alt+F4
for _ in $(seq 1 300); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program" 2>/dev/null && fail "Alt+F4 did not close the game"
status=0
wait "$program" || status=$?
program=""
[ "$status" = 0 ] || fail "Alt+F4: exit status $status (log: $test/alt-f4.log)"

# A crash once the window is up leaves a report with the exception and a backtrace whose frames
# name the program's own module. The folder's name has a letter beyond ASCII, as a player's
# user folder may: the next start must still find the report.
say "a crash of Kipto2.exe under Wine"
crash_home="$test/home-crash-Jürgen"
mkdir -p "$crash_home"
# Wine's debugger ends a crashed program with a status that is not always non-zero; the
# reports are what show that the program crashed.
crash_run() {
    LC_ALL=C.UTF-8 KIPTO2_HOME="Z:$crash_home" wine "$out/Kipto2-windows/Kipto2.exe" --crash-test=signal \
        >"$1" 2>&1 || true
}
crash_run "$test/crash.log"
report=$(ls "$crash_home"/Kipto2-crash-*.new.txt 2>/dev/null | head -n 1)
[ -n "$report" ] || fail "no crash report in $crash_home (log: $test/crash.log)"
grep -q '^cause: exception 0xc0000005 (access violation)' "$report" || fail "$report names no access violation"
grep -q '^screen: Screen' "$report" || fail "$report names no screen of the game"
grep -Eq '^  #[0-9]+ Kipto2\.exe\+0x[0-9a-f]+$' "$report" || fail "$report has no frame in Kipto2.exe"
# The next start takes the report (a windowed program has no console to announce it on).
crash_run "$test/crash-again.log"
[ -f "${report%.new.txt}.txt" ] || fail "the next start did not take the report as ${report%.new.txt}.txt"
ls "$crash_home"/Kipto2-crash-*.new.txt >/dev/null 2>&1 || fail "the second crash left no report"

# The drifting clouds and the sign's animation differ by a few frames between the runs; text,
# buttons and layout must match.
# compare's status is 1 whenever the pictures differ at all.
difference=$({ compare -metric RMSE "$test/linux-menu.png" "$test/windows-menu.png" "$test/menu-difference.png" 2>&1 || true; } |
    sed -n 's/.*(\([0-9.e-]*\)).*/\1/p')
say "main menu: normalised RMS difference $difference (at most 0.05)"
awk -v d="$difference" 'BEGIN { exit !(d != "" && d <= 0.05) }' || fail "the main menu differs from the Linux one"
say "passed"
