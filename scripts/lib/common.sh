# Shared by scripts/run and scripts/test: install what is missing, configure, build.
# Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD_DIR=${ORVANTO_BUILD_DIR:-$ROOT/build}

# Debian packages the build, the tests and the fuzz targets need (the editor plays sounds
# through QtMultimedia's GStreamer back end, whose elements come with the plugin packages;
# appstream validates the software centres' description; the editor's start-up benchmark
# watches the first paint through the X DAMAGE extension; the editor is driven once under
# openbox on a virtual display (Xvfb and xdotool, listed below), its windows captured with
# ImageMagick's import).
ORVANTO_PACKAGES=(
    cmake g++ ninja-build pkg-config
    qt6-base-dev qt6-multimedia-dev libgl-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    libfontconfig-dev fonts-dejavu-core
    libjpeg62-turbo-dev libssl-dev
    libgtest-dev libgmock-dev libbenchmark-dev googletest
    clang libclang-rt-14-dev
    appstream libxdamage-dev
    openbox imagemagick
)
# The medium's programs for Windows: the cross compiler, and Wine with a virtual display to
# test them (Wine's bcrypt needs GnuTLS, which Wine only recommends; the Liberation fonts
# stand in for Arial and Times New Roman in both builds of the menu program).
ORVANTO_WINDOWS_PACKAGES=(
    g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
    wine wine64 libgnutls30 fonts-liberation
    xvfb xdotool x11-apps
)

say() { printf '%s\n' "$*" >&2; }

as_root() {
    if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the packages of the list that are not installed yet; does nothing (quickly)
# when all are there.
ensure_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    say "Installing: ${missing[*]}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q >/dev/null || true
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
}

ensure_build_deps() { ensure_packages "${ORVANTO_PACKAGES[@]}" "${ORVANTO_WINDOWS_PACKAGES[@]}"; }

jobs() { nproc 2>/dev/null || echo 2; }

# Configures (first time only) and builds the given targets (all when none).
build() {
    if [ ! -f "$BUILD_DIR/build.ninja" ]; then
        cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    fi
    if [ $# -gt 0 ]; then
        cmake --build "$BUILD_DIR" -j "$(jobs)" --target "$@"
    else
        cmake --build "$BUILD_DIR" -j "$(jobs)"
    fi
}
