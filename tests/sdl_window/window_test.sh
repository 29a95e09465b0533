#!/usr/bin/env bash
# The desktop window end to end: the gallery in a real SDL window on a virtual
# X server, driven by xdotool. Checks the window's size at each scale, that a
# click reaches the device pixel under it (also letterboxed after a resize and
# on the bars beside the picture), that F12 writes the same picture the
# headless backend shoots, that a click wakes a program that lost the focus
# or was suspended by its menu,
# that a second start leaves the first one alone, that the Down key and the
# window's close button end it with code 0, that a message box is a dialog of
# the window (or, where none can be shown, its fallback on stderr; the test
# says which it saw), and that a missing display is refused with one line.
#
#   window_test.sh GALLERY INSTALLER WINDOW_PROBE
set -uo pipefail

gallery=$1
installer=$2
probe=$3

source "$(dirname "$0")/x_session.sh"

# 1280 x 1024 holds the 3x window (720 x 960).
start_x 1280x1024x24 || exit 1

export DECKHOLLOW_ROOT=$work/root
install_root "$DECKHOLLOW_ROOT"
install_root "$work/headless-root"
export DECKHOLLOW_BACKEND=sdl
unset DECKHOLLOW_SCRIPT DECKHOLLOW_LOG DECKHOLLOW_DISPLAY
log=$work/gallery.log

# Starts the gallery at DECKHOLLOW_SCALE=$1, waits for its window and taps
# past the start-up screen onto the page whose ball follows the stylus.
start() {
    echo "--- run at scale $1" >>"$log"
    DECKHOLLOW_SCALE=$1 "$gallery" 2>>"$log" &
    pid=$!
    wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Toolkit Gallery$' 2>/dev/null | head -n 1)
    if [[ -z "$wid" ]]; then
        fail "no gallery window appeared at scale $1"
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        return 1
    fi
    click $((120 * $1 + $1 / 2)) $((160 * $1 + $1 / 2))
    sleep 0.2
    # The clicks that follow are for the page (the start-up screen has no
    # such yellow). Where the first click only woke the program (the focus
    # reached it after the click) or it came before the program took input,
    # the start-up screen is still up: the click is made again.
    local shot
    for _ in $(seq 20); do
        shot=$(shoot) && [[ $("$probe" colour "$shot" ffff00) != none ]] && return 0
        click $((120 * $1 + $1 / 2)) $((160 * $1 + $1 / 2))
        sleep 0.3
    done
    fail "the page with the ball did not appear at scale $1"
}

# Prints the window's inner size as "WIDTHxHEIGHT".
size() {
    local WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$wid" | grep -E '^(WIDTH|HEIGHT)=')"
    echo "${WIDTH}x${HEIGHT}"
}

expect_size() {
    local got
    for _ in $(seq 50); do
        got=$(size)
        [[ "$got" == "$1" ]] && return 0
        sleep 0.1
    done
    fail "window is $got, expected $1 ($2)"
}

# The pointer goes in first and the button follows a moment later: without
# a window manager the focus follows the pointer, and a press that overtook
# the focus change would count as the click that only wakes the program.
click() {
    xdotool mousemove --window "$wid" "$1" "$2"
    sleep 0.15
    xdotool click 1
}

# Expects the box "left top right bottom" around the pixels of colour $1 in
# an F12 screenshot; shoots again for a while, since the frame after the
# click may still be on its way.
expect_colour() {
    local colour=$1 want=$2 what=$3 shot got
    for _ in $(seq 10); do
        shot=$(shoot) || { fail "F12 wrote no screenshot ($what)"; return 1; }
        got=$("$probe" colour "$shot" "$colour")
        if [[ "$got" == "$want" ]]; then
            last_shot=$shot
            return 0
        fi
        sleep 0.2
    done
    fail "$colour at $got, expected $want ($what)"
    return 1
}

# The ball that follows the stylus is a disc of 0xFFE0, which every display
# kind decodes to exactly (255, 255, 0); the other yellows are other shades.
expect_marker() {
    expect_colour ffff00 "$1" "$2"
}

# Expects the window to show the last screenshot, scaled and letterboxed.
expect_window_shows() {
    local out
    for _ in $(seq 10); do
        out=$("$probe" shows "$wid" "$last_shot") && return 0
        sleep 0.2
    done
    fail "the window does not show the screen ($1): $out"
}

box() {  # the 11 x 11 marker centred on a device pixel, clipped to the screen
    local l=$(($1 - 5)) t=$(($2 - 5)) r=$(($1 + 5)) b=$(($2 + 5))
    ((l < 0)) && l=0
    ((t < 0)) && t=0
    ((r > 239)) && r=239
    ((b > 319)) && b=319
    echo "$l $t $r $b"
}

# Down shows the farewell panel, which stays until the screen is tapped.
press_down() {
    local geometry
    xdotool key --window "$wid" Down
    for _ in $(seq 30); do
        sleep 0.3
        kill -0 "$pid" 2>/dev/null || return 0
        geometry=$(size)
        click $((${geometry%x*} / 2)) $((${geometry#*x} / 2))
    done
}

# Waits for the gallery to end with exit code ${2:-0}.
expect_exit() {
    local code want=${2:-0}
    for _ in $(seq 150); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        fail "the gallery did not end ($1)"
        kill -9 "$pid"
    fi
    wait "$pid"
    code=$?
    [[ $code -eq $want ]] || fail "exit code $code, expected $want ($1)"
}

# Compares the F12 screenshot $1 with the headless run's shot of the same
# scene: the start-up screen tapped away, a tap at ($3, $4).
expect_same_as_headless() {
    local desktop=$1 headless=$work/$2-headless.png
    printf 'wait 100\ntap 120 160\nwait 100\ntap %d %d\nwait 300\nshot %s\n' "$3" "$4" "$headless" \
        >"$work/scene.txt"
    DECKHOLLOW_ROOT=$work/headless-root DECKHOLLOW_BACKEND=headless DECKHOLLOW_SCRIPT=$work/scene.txt \
        DECKHOLLOW_LOG=$work/headless.log "$gallery" 2>>"$log" || fail "headless run failed ($2)"
    if [[ -f "$desktop" && -f "$headless" ]]; then
        "$probe" same "$desktop" "$headless" || fail "the $2 F12 screenshot differs from the headless one"
    else
        fail "missing $2 screenshot for the headless comparison"
    fi
}

# Scale 2: the window, a click, the same picture as headless. Then resized:
# letterboxed at the largest whole scale, the bars clamp to the edge; shrunk
# below 1:1 it still maps; focus lost and won back by a click. Last, the error
# reporter's message box is a real dialog with the caption as its title, owned
# by the game's window; answering it ends the program with code 1.
if start 2; then
    expect_size 480x640 "scale 2"
    click $((37 * 2 + 1)) $((251 * 2 + 1))
    if expect_marker "$(box 37 251)" "click at scale 2"; then
        cp "$last_shot" "$work/desktop.png"
        expect_window_shows "scale 2"
    fi

    xdotool windowmove "$wid" 0 0  # all of it on the screen, for the grab
    xdotool windowsize "$wid" 1000 700
    expect_size 1000x700 "resized"
    # The picture is 480 x 640 at (260, 30).
    click $((260 + 120 * 2 + 1)) $((30 + 300 * 2 + 1))
    expect_marker "$(box 120 300)" "click letterboxed" && expect_window_shows "letterboxed"
    # On the left bar: the press lands on the left edge, where the gallery
    # marks it with a red square (the ball does not fit there).
    click 10 350
    expect_colour ff0000 "0 158 2 162" "click on the left bar"
    xdotool windowsize "$wid" 120 160
    expect_size 120x160 "shrunk"
    click 60 40
    expect_marker "$(box 120 80)" "click shrunk"
    xdotool windowsize "$wid" 480 640
    expect_size 480x640 "back to 2x"

    xdotool windowfocus --sync "$wid" 2>/dev/null
    sleep 0.5
    "$probe" unfocus
    sleep 0.5
    click $((50 * 2)) $((50 * 2))  # wakes the program only
    sleep 0.3
    expect_marker "$(box 120 80)" "the waking click does not move the marker"
    click $((60 * 2)) $((70 * 2))
    expect_marker "$(box 60 70)" "click after waking"

    # Gallery > Suspend: the window keeps the page dimmed (no window manager
    # here to minimise it), so the yellow ball is gone; the next click only
    # brings the page back, the one after that moves the ball.
    click $((20 * 2)) $((8 * 2))
    sleep 0.3
    click $((20 * 2)) $((90 * 2))
    sleep 0.3
    expect_colour ffff00 none "the page dimmed by Suspend"
    click $((150 * 2)) $((250 * 2))  # only brings it back
    # The ball is where the Suspend tap came up (after a press on the page
    # the gallery's ball follows every release), not under this click.
    expect_marker "$(box 20 90)" "the click that ends Suspend does not move the ball"
    click $((150 * 2)) $((250 * 2))
    expect_marker "$(box 150 250)" "a click after Suspend"

    # Gallery > Fault demo: the gallery's deliberate container fault.
    click $((20 * 2)) $((8 * 2))
    sleep 0.3
    click $((20 * 2)) $((74 * 2))
    box=
    for _ in $(seq 100); do
        box=$("$probe" dialog "Problem:" "$wid") && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if [[ -n "$box" ]]; then
        box_path="a dialog of the game's window"
        xdotool key --window "$box" Return
        expect_exit "message box answered" 1
    else
        # Where no dialog can be shown the box still answers: its caption
        # and text on stderr, and the program goes on (here: ends with 1).
        box_path="no dialog could be shown: the fallback on stderr"
        expect_exit "message box fallback" 1
        grep -qx 'Problem:: ERROR!' "$log" || fail "neither a dialog nor the fallback line for the box"
        # SDL's X11 box draws with the core X fonts: where they are
        # installed (tools/setup/deps.sh names them) the dialog must show.
        if ls /usr/share/fonts/X11/misc/*.pcf.gz >/dev/null 2>&1; then
            fail "no message box titled \"Problem:\" appeared although the core X fonts are installed"
        fi
    fi
    echo "message box: $box_path"
fi
expect_same_as_headless "$work/desktop.png" portrait 37 251

# Another display kind (a landscape frame buffer seen in portrait) at 1:1:
# the window shows the decoded picture, the same one the headless run shoots.
export DECKHOLLOW_DISPLAY=landscape16
if start 1; then
    expect_size 240x320 "scale 1"
    click 200 40
    if expect_marker "$(box 200 40)" "click on a landscape frame buffer"; then
        cp "$last_shot" "$work/landscape-desktop.png"
        expect_window_shows "landscape frame buffer"
    fi
    press_down
    expect_exit "Down key on a landscape frame buffer"
fi
expect_same_as_headless "$work/landscape-desktop.png" landscape 200 40
unset DECKHOLLOW_DISPLAY

# Scale 3, then the window's close button.
if start 3; then
    expect_size 720x960 "scale 3"
    click $((200 * 3 + 1)) $((30 * 3 + 2))
    expect_marker "$(box 200 30)" "click at scale 3" && expect_window_shows "scale 3"
    # A second start only brings the running one to the front.
    code=$(DECKHOLLOW_SCALE=3 timeout 20 "$gallery" 2>>"$log"; echo $?)
    [[ $code -eq 0 ]] || fail "a second instance ended with $code, expected 0"
    kill -0 "$pid" 2>/dev/null || fail "the first instance ended when a second started"
    [[ $(xdotool search --onlyvisible --name '^Toolkit Gallery$' | wc -l) -eq 1 ]] ||
        fail "a second window appeared"
    "$probe" close "$wid"
    expect_exit "window closed"
fi

# A scale too large for the desktop starts at the largest that fits: 5x
# would be 1600 high on a 1024-high screen, 3x fits.
if start 5; then
    expect_size 720x960 "scale 5 on a 1280 x 1024 desktop"
    press_down
    expect_exit "Down key at scale 5"
fi

# No display at all, and a display nobody answers on: one clear line and
# exit code 2, never a program running in an invisible window.
expect_refusal() {
    local code out
    timeout 20 env "$@" "$gallery" >/dev/null 2>"$work/refusal.txt"
    code=$?
    # Wayland's client library has its own say when its socket is missing.
    out=$(grep -v '^error: XDG_RUNTIME_DIR' "$work/refusal.txt")
    [[ $code -eq 2 ]] || fail "exit code $code without a display ($*), expected 2"
    [[ $(printf '%s\n' "$out" | grep -c .) -eq 1 && "$out" == *DECKHOLLOW_BACKEND=headless* ]] ||
        fail "expected one line naming the headless backend ($*), got: $out"
}
expect_refusal -u DISPLAY -u WAYLAND_DISPLAY
expect_refusal -u WAYLAND_DISPLAY DISPLAY=:4242 XDG_RUNTIME_DIR=$work

if [[ $failures -ne 0 ]]; then
    echo "--- the gallery's output:"
    cat "$log"
    exit 1
fi
echo "all window checks passed (message box: ${box_path:-not reached})"
