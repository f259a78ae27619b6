# Shared by ./run and ./test: installs what is missing and builds. Sourced, not run.

VENDRAL_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libgl-dev libxcb1-dev libsystemd-dev libjpeg62-turbo-dev libgtest-dev
    fonts-ebgaramond qt6-image-formats-plugins
    qt6-svg-dev libemf2svg-dev libwmf-dev
)
VENDRAL_TEST_PACKAGES=(
    xvfb xauth xdotool imagemagick x11-utils clang-format
    cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils libjpeg-turbo-progs
    desktop-file-utils appstream groff-base dpkg-dev file qt6-wayland
    clang libclang-rt-14-dev
    # Debian's desktop default, with which Qt launches a session bus of its own on a bare X
    # server: the kiosk tests check that the viewer never does.
    dbus-x11
)

vendral_install() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq &&
        $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
            "${missing[@]}"
}

vendral_build() {
    local preset="$1"
    shift
    cmake --preset "$preset" -G Ninja >/dev/null &&
        cmake --build --preset "$preset" "$@"
}
