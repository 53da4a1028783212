# Shared by the end-to-end scripts: a scratch folder, an Xvfb server without a window manager,
# a session bus of the test's own, the built program started in a clean environment, and the
# checks made on screenshots. The sourcing script sets lumetra, shots, screen_w, screen_h,
# band_top and band first.

readonly title="Lumetra Wall Time Display"
work=$(mktemp -d)
xvfb_pid=
bus_pid=
program_pid=
# Further processes of the run (a compositor, a service) that end with it.
helper_pids=()
passed=0

finish() {
    [ -z "$program_pid" ] || kill "$program_pid" 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    [ -z "$bus_pid" ] || kill "$bus_pid" 2>/dev/null || true
    for pid in ${helper_pids[@]+"${helper_pids[@]}"}; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    if [ "$passed" = 1 ] && [ -z "${KEEP_SCREENSHOTS:-}" ]; then
        rm -rf "$shots"
    fi
    rm -rf "$work"
}
trap finish EXIT

fail() {
    echo "FAIL: $*" >&2
    echo "Screenshots and program output: $shots" >&2
    exit 1
}

ok() { echo "ok   $*"; }

# holds 'awk condition' NAME=VALUE...: true when the condition holds for the values.
holds() {
    local condition=$1
    shift
    local assignments=()
    for a in "$@"; do assignments+=(-v "$a"); done
    awk "${assignments[@]}" "BEGIN { exit !($condition) }"
}

shot() { import -window root "$shots/$1.png"; }

# ink IMAGE CROP: "W H X Y" of the pixels that differ from the crop's corner colour.
ink() {
    local box
    box=$(convert "$1" -crop "$2" +repage -fuzz 25% -format '%@' info: 2>/dev/null)
    echo "$box" | tr 'x+' '  '
}

# value IMAGE CROP FX [OPTION...]: an fx expression over the cropped part of the image,
# after the options (such as a colour space).
value() { convert "$1" -crop "$2" +repage "${@:4}" -format "%[fx:$3]" info:; }

pixel() { convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:; }

program_running() { kill -0 "$program_pid" 2>/dev/null; }

# find_window WIDTH HEIGHT [TITLE]: a visible window of the program with that size.
find_window() {
    local id geometry
    for id in $(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null); do
        geometry=$(xdotool getwindowgeometry --shell "$id") || continue
        grep -qx "WIDTH=$1" <<<"$geometry" && grep -qx "HEIGHT=$2" <<<"$geometry" || continue
        [ -z "${3:-}" ] || [ "$(xdotool getwindowname "$id")" = "$3" ] || continue
        echo "$id"
        return 0
    done
    return 1
}

# await_window SECONDS WIDTH HEIGHT [TITLE]: prints the window's id once it is shown.
await_window() {
    local deadline=$((SECONDS + $1)) id
    shift
    until id=$(find_window "$@"); do
        program_running && [ $SECONDS -le $deadline ] || return 1
        sleep 0.1
    done
    echo "$id"
}

await_gone() {
    local deadline=$((SECONDS + $1))
    shift
    while find_window "$@" >/dev/null; do
        [ $SECONDS -le $deadline ] || return 1
        sleep 0.1
    done
}

# await_shot SECONDS NAME CONDITION-COMMAND...: screenshots until the command, given the
# screenshot's path, accepts it.
await_shot() {
    local deadline=$((SECONDS + $1)) name=$2
    shift 2
    until shot "$name" && "$@" "$shots/$name.png"; do
        [ $SECONDS -le $deadline ] || return 1
        sleep 0.2
    done
}

# clock_text IMAGE: the time on the clock as OCR reads it, light digits on a dark ground.
clock_text() {
    convert "$1" -crop "$band" +repage -fuzz 25% -trim +repage -bordercolor black -border 20 \
        -negate -resize 40% "$work/ocr.png"
    tesseract "$work/ocr.png" - --psm 7 2>/dev/null | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'
}

has_time() { read -r w _ < <(ink "$1" "$band") && [ "$w" -gt 100 ]; }
hint_gone() { holds 'v == 0' v="$(value "$1" 600x60+0+0 'maxima')"; }

# has_icon WINDOW: the window's icon property, which may be set just after it is mapped.
has_icon() {
    local deadline=$((SECONDS + 3))
    until xprop -id "$1" _NET_WM_ICON 2>/dev/null | grep -q 'Icon ('; do
        [ $SECONDS -le $deadline ] || return 1
        sleep 0.1
    done
}

geometry_of() { eval "$(xdotool getwindowgeometry --shell "$1")"; }

# covering W H X Y: prints the program's visible window with exactly that geometry.
covering() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null); do
        geometry_of "$id" 2>/dev/null || continue
        [ "$WIDTH $HEIGHT $X $Y" = "$*" ] || continue
        echo "$id"
        return 0
    done
    return 1
}

# await_covering MILLISECONDS W H X Y: prints the window once one covers the area.
await_covering() {
    local limit=$1 start
    shift
    start=$(date +%s%N)
    until covering "$@"; do
        program_running && [ $((($(date +%s%N) - start) / 1000000)) -le "$limit" ] || return 1
        sleep 0.05
    done
}

# environment_for CONFIG-FOLDER: sets "environment" to the env command that gives every start
# of the program a clean environment with its own settings folder, no site defaults and a
# fixed time zone.
environment_for() {
    environment=(env -i PATH="$work/bin:$PATH" HOME="$work/home" DISPLAY="${DISPLAY:-}" QT_QPA_PLATFORM=xcb
        LC_ALL=C.UTF-8 LANG=C.UTF-8 TZ=Europe/Berlin
        XDG_CONFIG_HOME="$1" XDG_CONFIG_DIRS="$work/site" XDG_RUNTIME_DIR="$work/runtime" XDG_CACHE_HOME="$work/cache"
        DBUS_SESSION_BUS_ADDRESS="$bus_address"
        ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} ${UBSAN_OPTIONS:+UBSAN_OPTIONS="$UBSAN_OPTIONS"})
}

# The instant at which the checks that compare pictures run: with the clock stopped, the
# digits are the same in every screenshot, so no check depends on the time of the run.
readonly stopped_at="2026-01-15 10:58:38"

# faked_clock FAKETIME [LIBRARY]: sets "faked" to the variables that start the program under
# libfaketime (and LIBRARY, if given): "@YYYY-MM-DD hh:mm:ss" starts its clock at that local
# instant, "YYYY-MM-DD hh:mm:ss" stops it there, "+0 x30" runs it thirty times as fast. The
# monotonic clock stays real, so timers run as usual.
faked_clock() {
    local library
    library=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n1)
    [ -n "$library" ] || fail "libfaketime is not installed (Debian package faketime)"
    faked=(LD_PRELOAD="$library${2:+:$2}" FAKETIME="$1" FAKETIME_DONT_FAKE_MONOTONIC=1
        ASAN_OPTIONS="verify_asan_link_order=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}")
}

# start_program NAME CONFIG-FOLDER [VARIABLE=VALUE...] [-- ARGUMENT...]: the program, in the
# background.
start_program() {
    local name=$1 config=$2 variables=()
    shift 2
    while [ $# -gt 0 ] && [ "$1" != -- ]; do
        variables+=("$1")
        shift
    done
    [ $# -eq 0 ] || shift
    mkdir -p "$config"
    environment_for "$config"
    "${environment[@]}" "${variables[@]}" "$lumetra" "$@" >"$shots/$name.log" 2>&1 &
    program_pid=$!
}

# start_again NAME CONFIG-FOLDER [ARGUMENT...]: another start while the program runs; it must
# hand over to the running copy and end with exit code 0 at once.
start_again() {
    local name=$1 config=$2 code=0
    shift 2
    environment_for "$config"
    "${environment[@]}" timeout 10 "$lumetra" "$@" >"$shots/$name.log" 2>&1 || code=$?
    [ "$code" = 0 ] || fail "a second start ended with exit code $code instead of handing over"
}

visible_panels() { xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | wc -l; }

# close_and_await_exit PANEL-ID: closes the panel as a window manager would; the program
# must end with exit code 0.
close_and_await_exit() {
    "$send_close" "$1" || fail "could not ask the panel to close"
    local deadline=$((SECONDS + 10)) code=0
    while program_running; do
        [ $SECONDS -le $deadline ] || fail "the program still runs 10 s after its panel was closed"
        sleep 0.1
    done
    wait "$program_pid" || code=$?
    program_pid=
    [ "$code" = 0 ] || fail "the program ended with exit code $code after its panel was closed"
    ok "closing the panel ends the program with exit code 0"
}

# await_program_focus: waits up to five seconds for the keyboard focus to reach a window of
# the program. Without a window manager a window maps before its own request for the focus
# is carried out, and a key pressed in between goes to the window under the pointer.
await_program_focus() {
    local deadline=$((SECONDS + 5))
    until xdotool search --pid "$program_pid" 2>/dev/null | grep -xF "$(xdotool getwindowfocus 2>/dev/null)" >/dev/null; do
        [ $SECONDS -le $deadline ] || return 1
        sleep 0.05
    done
}

# press_escape_for_panel SCALE: Esc closes the clock and brings the panel back.
press_escape_for_panel() {
    local scale=$1 panel
    await_program_focus || fail "the clock did not get the keyboard focus"
    xdotool key Escape
    panel=$(await_window 5 $((536 * scale)) $((460 * scale)) "$title") || fail "Esc did not bring the panel back"
    await_gone 5 "$screen_w" "$screen_h" || fail "the clock stays on the screen after Esc"
    echo "$panel"
}

# prepare_session: empties the screenshot folder, makes the scratch folders and starts a
# session bus of the test's own, as a desktop session has: keep-awake talks to it.
prepare_session() {
    rm -rf "$shots"
    mkdir -p "$shots" "$work/bin" "$work/home" "$work/cache" "$work/site"
    mkdir -m 700 "$work/runtime"
    # The panel opens the maker's home page at about one start in a hundred; a desktop without
    # a browser would report that as an error, so the home page "opens" into nothing here.
    printf '#!/bin/sh\nexit 0\n' >"$work/bin/xdg-open"
    chmod +x "$work/bin/xdg-open"

    dbus-daemon --session --fork --nopidfile --print-address=3 --print-pid=4 3>"$work/bus-address" 4>"$work/bus-pid"
    bus_pid=$(tr -d '\n' <"$work/bus-pid")
    bus_address=$(head -1 "$work/bus-address")
}

# start_desktop WIDTHxHEIGHT [XVFB-ARGUMENT...]: prepares the session and starts Xvfb with one
# screen of that size, and exports DISPLAY.
start_desktop() {
    prepare_session
    # -noreset: the server stays as it is when its last client leaves, between two programs.
    Xvfb -displayfd 3 -screen 0 "${1}x24" "${@:2}" -nolisten tcp -nocursor -noreset \
        3>"$work/display" 2>"$shots/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    [ -s "$work/display" ] || fail "Xvfb did not start"
    DISPLAY=:$(tr -d '\n' <"$work/display")
    export DISPLAY
}
