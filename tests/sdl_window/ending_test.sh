#!/usr/bin/env bash
# A desktop game ended from outside: its X server killed during play and
# while a message box is up, and SIGTERM, SIGINT and SIGHUP during play, a
# card flight and a box. Each time the game must be gone within a second,
# having ended as its Exit command does: the settings changed in play are in
# the registry and the exit code is 0 (1 after a fatal error, which saves
# nothing), and no box is left on the screen.
#
#   ending_test.sh PELLANDINE GALLERY INSTALLER WINDOW_PROBE
set -uo pipefail

pellandine=$1
gallery=$2
installer=$3
probe=$4

source "$(dirname "$0")/x_session.sh"

export DECKHOLLOW_ROOT=$work/root
install_root "$DECKHOLLOW_ROOT"
# The registry as installed ("InstallDir"), given back to every case.
cp "$DECKHOLLOW_ROOT/registry.reg" "$work/installed.reg"
export DECKHOLLOW_BACKEND=sdl DECKHOLLOW_SCALE=1
unset DECKHOLLOW_SCRIPT DECKHOLLOW_LOG DECKHOLLOW_DISPLAY
log=$work/game.log

stop_x() {
    [[ -n "$xvfb" ]] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    xvfb=
}

# The X server dies at once, as when the desktop session ends.
kill_x() {
    kill -KILL "$xvfb"
    wait "$xvfb" 2>/dev/null
    xvfb=
}

# Starts $1 (window title $2) fresh on the device root and waits for its
# window.
start_game() {
    echo "--- $3" >>"$log"
    cp "$work/installed.reg" "$DECKHOLLOW_ROOT/registry.reg"
    "$1" 2>>"$log" &
    pid=$!
    wid=$(timeout 20 xdotool search --sync --onlyvisible --name "^$2\$" 2>/dev/null | head -n 1)
    if [[ -z "$wid" ]]; then
        fail "no window \"$2\" appeared ($3)"
        return 1
    fi
}

# The pointer first, the button a moment later (see window_test.sh).
click() {
    xdotool mousemove --window "$wid" "$1" "$2"
    sleep 0.15
    xdotool click 1
    sleep 0.5  # time for the game to take it, also on a busy machine
}

# Taps the start-up screen away, again while it is still up (a first click
# may only have woken the program, or come before it took input). The
# start-up screens are pure blue all over; the gallery's page has a yellow
# ball.
leave_startup() {
    local shot blue
    for _ in $(seq 20); do
        click 120 160
        shot=$(shoot) || continue
        blue=$("$probe" colour "$shot" 0000ff)
        [[ "$blue" != "0 0 239 319" ]] && return 0
    done
    fail "the start-up screen stayed ($1)"
}

# Past Pellandine's start-up screen, then Configure > Appearance...: "Show
# cards left" off, OK. The change lives in memory until the program ends.
pellandine_change() {
    leave_startup "Pellandine"
    click 55 8
    click 60 30
    click 60 33
    click 190 290
}

# Waits for a top-level window titled $1 owned by the game's window.
wait_for_box() {
    local box
    for _ in $(seq 100); do
        box=$("$probe" dialog "$1" "$wid" 2>/dev/null) && { echo "$box"; return 0; }
        sleep 0.1
    done
    return 1
}

# Expects the game to be gone within a second of the kill, with exit code
# $2 (default 0).
expect_gone() {
    local what=$1 want=${2:-0} code
    for _ in $(seq 20); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    if kill -0 "$pid" 2>/dev/null; then
        fail "the game still runs a second later ($what): $(ps -o pcpu=,stat= -p "$pid") (% cpu, state)"
        kill -KILL "$pid" 2>/dev/null
    fi
    wait "$pid"
    code=$?
    pid=
    [[ $code -eq $want ]] || fail "exit code $code, expected $want ($what)"
}

expect_saved() {
    grep -q '"DisplayCardsLeft"=dword:00000000' "$DECKHOLLOW_ROOT/registry.reg" 2>/dev/null ||
        fail "the option changed in play is not in the registry ($1)"
}

expect_no_box() {
    local titled
    titled=$(xdotool search --name "^$1\$" 2>/dev/null | wc -l)
    [[ $titled -eq 0 ]] || fail "a window \"$1\" is still on the screen ($2)"
}

# The X server dies during play.
if start_x 800x600x24 && start_game "$pellandine" "Pellandine Solitaire" "X server killed in play"; then
    pellandine_change
    kill_x
    expect_gone "X server killed in play"
    expect_saved "X server killed in play"
fi
stop_x

# The X server dies while the farewell box is up.
if start_x 800x600x24 && start_game "$pellandine" "Pellandine Solitaire" "X server killed during a box"; then
    pellandine_change
    xdotool key --window "$wid" Down
    if wait_for_box "Pellandine Solitaire" >/dev/null; then
        kill_x
        expect_gone "X server killed during a box"
        expect_saved "X server killed during a box"
    else
        fail "the farewell box did not appear"
    fi
fi
stop_x

# The X server dies while the box of a fatal error is up: exit code 1.
if start_x 800x600x24 && start_game "$gallery" "Toolkit Gallery" "X server killed during the fatal box"; then
    leave_startup "the gallery"
    click 20 8
    click 20 74  # Gallery > Fault demo
    if wait_for_box "Problem:" >/dev/null; then
        kill_x
        expect_gone "X server killed during the fatal box" 1
    else
        echo "note: no fatal box shown (no core X fonts?): only its fallback on stderr"
        expect_gone "fatal error without a box" 1
    fi
fi
stop_x

# Signals, one X server for all of them.
if start_x 800x600x24; then
    if start_game "$pellandine" "Pellandine Solitaire" "SIGTERM in play"; then
        pellandine_change
        kill -TERM "$pid"
        expect_gone "SIGTERM in play"
        expect_saved "SIGTERM in play"
    fi
    if start_game "$pellandine" "Pellandine Solitaire" "SIGTERM during a box"; then
        pellandine_change
        xdotool key --window "$wid" Down
        if wait_for_box "Pellandine Solitaire" >/dev/null; then
            kill -TERM "$pid"
            expect_gone "SIGTERM during a box"
            expect_saved "SIGTERM during a box"
            sleep 0.2
            expect_no_box "Pellandine Solitaire" "SIGTERM during a box"
        else
            fail "the farewell box did not appear"
        fi
    fi
    if start_game "$pellandine" "Pellandine Solitaire" "SIGINT during the deal"; then
        pellandine_change
        # The deck: the first deal's ten cards fly in for 0.6 s.
        xdotool mousemove --window "$wid" 25 115
        sleep 0.15
        xdotool click 1
        sleep 0.15
        kill -INT "$pid"
        expect_gone "SIGINT during the deal"
        expect_saved "SIGINT during the deal"
    fi
    if start_game "$pellandine" "Pellandine Solitaire" "SIGHUP in play"; then
        pellandine_change
        kill -HUP "$pid"
        expect_gone "SIGHUP in play"
        expect_saved "SIGHUP in play"
    fi
fi
stop_x

if [[ $failures -ne 0 ]]; then
    echo "--- the games' output:"
    cat "$log"
    exit 1
fi
echo "all ending checks passed"
