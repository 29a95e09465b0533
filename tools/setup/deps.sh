# Shared by ./play and ./test: makes sure the Debian packages the build needs
# are installed. Only what is missing is installed, and apt is not touched at
# all when nothing is missing.

DECKHOLLOW_PACKAGES=(
    cmake ninja-build g++ pkg-config
    libsdl2-dev libpng-dev
    libgtest-dev libbenchmark-dev
    xvfb xauth xdotool
    clang libclang-rt-14-dev
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
