#!/usr/bin/env bash
# What a desktop game costs the machine: Pellandine in a window on a virtual
# X server, its resident memory and the share of a core it uses idle and
# while a deal's cards fly, from /proc and ps. The software window must map
# no OpenGL library at all (that is where the memory went); the figures are
# printed, not judged, since a sanitizer build and a busy machine change
# them. DECKHOLLOW_RENDERER=gpu is started too and must show the same
# picture. Also prints the median of ten starts to the first frame: the
# time from the process's start (the kernel's record of it, in its clock
# ticks) to the return of the first present that put a picture into the
# window, as the game reports it with DECKHOLLOW_DEBUG_TIMING=1, and the
# processor time the game had used by then, which a busy machine changes
# less. The usual start is that of a game played before, its settings in
# the registry; the very first start after installing, which writes them,
# is printed beside.
#
#   footprint_test.sh PELLANDINE INSTALLER WINDOW_PROBE
set -uo pipefail

pellandine=$1
installer=$2
probe=$3

source "$(dirname "$0")/x_session.sh" ps

start_x 800x800x24 || exit 1
unset DECKHOLLOW_SCRIPT DECKHOLLOW_LOG DECKHOLLOW_DISPLAY DECKHOLLOW_RENDERER

export DECKHOLLOW_ROOT=$work/root
install_root "$DECKHOLLOW_ROOT"
cp "$DECKHOLLOW_ROOT/registry.reg" "$work/installed.reg"
export DECKHOLLOW_BACKEND=sdl DECKHOLLOW_SCALE=2
log=$work/game.log
ticks_per_second=$(getconf CLK_TCK)

start_game() {
    echo "--- $1" >>"$log"
    cp "$work/installed.reg" "$DECKHOLLOW_ROOT/registry.reg"
    "$pellandine" 2>>"$log" &
    pid=$!
    wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Pellandine Solitaire$' 2>/dev/null |
        head -n 1)
    [[ -n "$wid" ]] || { fail "no window appeared ($1)"; return 1; }
}

stop_game() {
    kill -TERM "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    pid=
}

# A click at device pixel ($1, $2) of the 2x window (see window_test.sh for
# the pointer going in first).
click() {
    xdotool mousemove --window "$wid" $(($1 * 2 + 1)) $(($2 * 2 + 1))
    sleep 0.15
    xdotool click 1
}

# Taps the all-blue start-up screen away (again, while it is still up).
leave_startup() {
    local shot
    for _ in $(seq 20); do
        click 120 160
        sleep 0.4
        shot=$(shoot) || continue
        [[ $("$probe" colour "$shot" 0000ff) != "0 0 239 319" ]] && return 0
    done
    fail "the start-up screen stayed ($1)"
}

# The process's user + system time so far, in clock ticks.
cpu_ticks() {
    awk '{ print $14 + $15 }' "/proc/$pid/stat"
}

# Prints the share of one core used over the commands "$@" as a percentage
# with one decimal; the commands' own time (xdotool, sleep) is not the game's.
cpu_during() {
    local t0 t1 s0 s1
    t0=$(cpu_ticks)
    s0=$(date +%s.%N)
    "$@"
    t1=$(cpu_ticks)
    s1=$(date +%s.%N)
    awk -v t="$((t1 - t0))" -v hz="$ticks_per_second" -v a="$s0" -v b="$s1" \
        'BEGIN { printf "%.1f", 100 * t / hz / (b - a) }'
}

# Five deals: the deck's first deal, then Game > New four times. Each one's
# cards fly for 0.6 s; the clicks around them are measured with them.
deal_five_times() {
    click 25 115
    sleep 0.8
    for _ in 1 2 3 4; do
        click 20 8
        sleep 0.3
        click 20 30
        sleep 0.8
    done
}

resident_kb() {
    awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status"
}

# The OpenGL libraries a GL-backed window maps: libGL/libEGL and the DRI
# drivers with their LLVM.
gl_libraries() {
    grep -E 'libGLX?[._]|libEGL|libLLVM|_dri\.so|libgallium' "/proc/$pid/maps" |
        awk '{ print $6 }' | sort -u
}

if start_game "software window"; then
    leave_startup "software window"
    sleep 2
    # A long window: the kernel counts CPU time in ticks of 10 ms, and an
    # idle game uses a few of them a second.
    idle=$(cpu_during sleep 20)
    rss_idle=$(resident_kb)
    dealing=$(cpu_during deal_five_times)
    rss_dealing=$(resident_kb)
    shot=$(shoot) && cp "$shot" "$work/software.png"
    echo "software window: resident ${rss_idle} kB idle, ${rss_dealing} kB after dealing" \
        "(/proc VmRSS; peak $(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status") kB)"
    echo "software window: ${idle} % of a core idle over 20 s, ${dealing} % over five deals" \
        "(/proc stat ticks); ps: $(ps -o rss=,pcpu= -p "$pid" | awk '{ print $1 " kB, " $2 " % since start" }')"
    libs=$(gl_libraries)
    [[ -z "$libs" ]] || fail "the software window maps OpenGL libraries: $libs"
    stop_game
fi

# The accelerated renderer on request: it still shows the game (whatever GL
# this machine has, or SDL's software renderer where there is none).
if DECKHOLLOW_RENDERER=gpu start_game "gpu renderer"; then
    leave_startup "gpu renderer"
    click 25 115
    sleep 1
    click 20 8
    sleep 0.3
    click 20 30
    sleep 1
    echo "gpu renderer: resident $(resident_kb) kB; OpenGL libraries mapped: $(gl_libraries | wc -l)"
    stop_game
fi

# Start to the first frame in the window, ten times each: the first start
# after installing, then a start of the game played before. Appends the
# milliseconds to $1.wall and the processor time to $1.cpu.
starts=10
first_frame_ms() {
    DECKHOLLOW_DEBUG_TIMING=1 "$pellandine" 2>"$work/timing.txt" &
    pid=$!
    for _ in $(seq 100); do
        grep -q '^first frame presented' "$work/timing.txt" && break
        sleep 0.1
    done
    sed -n 's/^first frame presented \([0-9]*\) ms.*/\1/p' "$work/timing.txt" >>"$1.wall"
    sed -n 's/^first frame presented .*(\([0-9.]*\) ms of CPU).*/\1/p' "$work/timing.txt" >>"$1.cpu"
    stop_game
}

# The median of the numbers in file $1 (the mean of the middle two of an
# even count) and all of them in order.
median_of() {
    sort -n "$1" | awk '{ v[NR] = $1; all = all " " $1 }
        END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
              printf "median %g ms of%s", m, all }'
}

for _ in $(seq "$starts"); do
    cp "$work/installed.reg" "$DECKHOLLOW_ROOT/registry.reg"
    first_frame_ms "$work/first-starts"
    first_frame_ms "$work/starts"
done
counted() { [[ $(wc -l <"$1") -eq $starts ]]; }
if counted "$work/starts.wall" && counted "$work/first-starts.wall" &&
    counted "$work/starts.cpu"; then
    echo "start to the first frame: $(median_of "$work/starts.wall")" \
        "(first start after installing: $(median_of "$work/first-starts.wall"))"
    echo "processor time to the first frame: $(median_of "$work/starts.cpu")"
else
    fail "the first frame was not reported in every start"
fi

if [[ $failures -ne 0 ]]; then
    echo "--- the game's output:"
    cat "$log"
    exit 1
fi
echo "all footprint checks passed"
