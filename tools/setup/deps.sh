# Shared by ./play and ./test: makes sure the Debian packages the build needs
# are installed. Only what is missing is installed, and apt is not touched at
# all when nothing is missing.

# Every package a build, test or tool uses is named here, also those another
# one brings today (libx11-dev comes with libsdl2-dev): packages are installed
# without their recommendations, and a fresh machine has only its base image.
DECKHOLLOW_PACKAGES=(
    # the build
    cmake ninja-build g++ pkg-config
    libsdl2-dev libpng-dev libx11-dev
    # the tests and benchmarks
    libgtest-dev libbenchmark-dev
    # the desktop window's test: a virtual X server, input and the core X
    # fonts SDL's message box draws its text with (without them no box shows)
    xvfb xauth xdotool xfonts-base
    # the fuzzers
    clang libclang-rt-14-dev
    # the browser build (./play --web, the browser test): Emscripten and what
    # it runs on, the browser the test drives, Python for the page's server
    emscripten binaryen clang-14 lld-14 llvm-14 nodejs node-acorn chromium python3
    # the scripts: timeout, seq, nproc, mktemp; grep; dpkg-query
    coreutils grep dpkg
)

# Commands the scripts and tests run, each with the package that brings it.
DECKHOLLOW_COMMANDS=(
    cmake:cmake ninja:ninja-build g++:g++ pkg-config:pkg-config
    Xvfb:xvfb xauth:xauth xdotool:xdotool clang++:clang
    emcmake:emscripten em++:emscripten wasm-opt:binaryen node:nodejs chromium:chromium
    python3:python3
    timeout:coreutils seq:coreutils nproc:coreutils mktemp:coreutils
)

deckhollow_missing_packages() {
    local pkg status
    for pkg in "${DECKHOLLOW_PACKAGES[@]}"; do
        status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
        [[ "$status" == "install ok installed" ]] || echo "$pkg"
    done
}

deckhollow_ensure_packages() {
    local missing
    mapfile -t missing < <(deckhollow_missing_packages)
    [[ ${#missing[@]} -eq 0 ]] && return 0
    local sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        if command -v sudo >/dev/null; then
            sudo=(sudo)
        else
            echo "Missing packages: ${missing[*]} (run as root or install them by hand)" >&2
            return 1
        fi
    fi
    echo "Installing ${missing[*]} ..."
    local log
    log=$(mktemp)
    if ! { "${sudo[@]}" apt-get update && \
           DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
        tail -n 30 "$log" >&2
        echo "Package installation failed (full log: $log)" >&2
        return 1
    fi
    rm -f "$log"
    deckhollow_verify_setup
}

# After an installation: every package is really there, every command runs,
# and the core X fonts answer, so that a fresh machine's ./test finds what
# this machine's did.
deckhollow_verify_setup() {
    local missing=() entry
    mapfile -t missing < <(deckhollow_missing_packages)
    if [[ ${#missing[@]} -ne 0 ]]; then
        echo "Still missing after the installation: ${missing[*]}" >&2
        return 1
    fi
    for entry in "${DECKHOLLOW_COMMANDS[@]}"; do
        if ! command -v "${entry%%:*}" >/dev/null; then
            echo "The command ${entry%%:*} (package ${entry#*:}) is not found" >&2
            return 1
        fi
    done
    if ! pkg-config --exists sdl2 libpng x11; then
        echo "pkg-config does not find sdl2, libpng and x11" >&2
        return 1
    fi
    if ! ls /usr/share/fonts/X11/misc/*.pcf.gz >/dev/null 2>&1; then
        echo "The core X fonts (xfonts-base) are not in /usr/share/fonts/X11/misc" >&2
        return 1
    fi
}

# Emscripten's tools find their JavaScript modules (acorn) here on Debian.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}

# Builds the browser build into build-web/ (Release at -O2): the programs'
# modules and their page in build-web/site. Configured once; later builds
# only remake what changed. Returns 1 without Emscripten.
deckhollow_build_web() {
    command -v emcmake >/dev/null || return 1
    mkdir -p build-web
    local log=build-web/build.log
    if [[ ! -f build-web/build.ninja ]] && \
       ! emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release \
           -DDECKHOLLOW_TESTS=OFF >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "Configuring the browser build failed (full log: $log)" >&2
        return 1
    fi
    if ! cmake --build build-web --target web_site >>"$log" 2>&1; then
        grep -E 'error|FAILED' "$log" | head -n 20 >&2
        echo "The browser build failed (full log: $log)" >&2
        return 1
    fi
}

# Configures and builds into $1 with the extra cmake arguments that follow.
# The full log goes to $1/build.log; only its tail is shown when a step fails.
deckhollow_build() {
    local dir=$1
    shift
    mkdir -p "$dir"
    local log="$dir/build.log"
    if ! cmake -S . -B "$dir" -G Ninja "$@" >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "Configuring failed (full log: $log)" >&2
        return 1
    fi
    if ! cmake --build "$dir" >>"$log" 2>&1; then
        grep -E 'error|Error|FAILED' "$log" | head -n 20 >&2
        echo "..." >&2
        tail -n 30 "$log" >&2
        echo "Build failed (full log: $log)" >&2
        return 1
    fi
}
