# What the desktop window's test scripts share, sourced by each: the tools
# they need, a work folder and a virtual X server of their own that go away
# with the script, failures counted, and F12 screenshots of window $wid.
#
#   source x_session.sh TOOL...   (Xvfb and xdotool are always needed)

for tool in Xvfb xdotool "$@"; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d)
xvfb=
pid=
wid=
failures=0
cleanup() {
    [[ -n "$pid" ]] && kill -KILL "$pid" 2>/dev/null
    [[ -n "$xvfb" ]] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
unset XAUTHORITY WAYLAND_DISPLAY
# SDL loads the system's D-Bus library, which keeps allocations for the life
# of the process, and unloads it at exit, so their stacks cannot even be
# named for a suppression. The backend's own allocations are leak-checked by
# tests_sdl_window.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Starts a virtual X server with a screen of $1 (WIDTHxHEIGHTx24) and points
# DISPLAY at it. The server picks a free display number and tells it, so
# several of these tests (and other programs' tests) running at once never
# share a display.
start_x() {
    rm -f "$work/display"
    Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$work/display" 2>>"$work/xvfb.log" &
    xvfb=$!
    for _ in $(seq 100); do
        [[ -s "$work/display" ]] && break
        sleep 0.1
    done
    if [[ ! -s "$work/display" ]]; then
        fail "the virtual X server did not start"
        cat "$work/xvfb.log"
        return 1
    fi
    export DISPLAY=:$(tr -d '[:space:]' <"$work/display")
}

# Installs a device root in $1 (made if missing).
install_root() {
    mkdir -p "$1"
    "$installer" --root "$1" >/dev/null || { echo "FAIL: the installer failed"; exit 1; }
}

# Presses F12 and prints the path of the screenshot it wrote.
shoot() {
    local before after newest
    before=$(ls "$DECKHOLLOW_ROOT/screenshots" 2>/dev/null | wc -l)
    xdotool key --window "$wid" F12
    for _ in $(seq 50); do
        after=$(ls "$DECKHOLLOW_ROOT/screenshots" 2>/dev/null | wc -l)
        if [[ $after -gt $before ]]; then
            newest=$(ls -t "$DECKHOLLOW_ROOT/screenshots"/*.png | head -n 1)
            sleep 0.1  # the file is complete once the program has said so
            echo "$newest"
            return 0
        fi
        sleep 0.1
    done
    return 1
}
