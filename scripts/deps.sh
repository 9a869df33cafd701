# SPDX-FileCopyrightText: 2026 The Kazoumi developers
# SPDX-License-Identifier: GPL-3.0-or-later

# shellcheck shell=bash disable=SC2034 # the lists are read by the scripts that source this file
# Sourced by the scripts in this folder: installs the Debian packages a task needs when they are
# missing (as root through apt-get), or tells the user the one line that would.

# The packages every build needs: compiler, CMake with make (its default generator, only
# recommended by the cmake package), Qt and the font the windows are laid out for.
KAZOUMI_BUILD_PACKAGES=(g++ make cmake qt6-base-dev fonts-liberation2)
# What playing adds: Qt's Wayland plugin, so that on a Wayland desktop the game runs natively
# rather than through XWayland.
KAZOUMI_PLAY_PACKAGES=(qt6-wayland)
# What the tests add: the tools that build and check the Debian package (Debian's checker
# lintian among them), reuse, which checks that every file says its licence, and git, which gives
# the last commit's time to the package's files; Debian's Python for the script checks; and what
# keeps the code's habits: clang-format (19, as both Debian 12 and 13 have it), shellcheck and
# pyflakes.
KAZOUMI_TEST_PACKAGES=(dpkg-dev file desktop-file-utils appstream lintian reuse git python3
    clang-format-19 shellcheck pyflakes3)
# What the packaging test adds to compile the Windows executable's version record and icon: the
# MinGW-w64 resource compiler, and the C compiler whose preprocessor it runs on <winver.h> (the
# POSIX-threads one, which the Windows build uses too).
KAZOUMI_RESOURCE_COMPILER_PACKAGES=(binutils-mingw-w64-x86-64 gcc-mingw-w64-x86-64-posix)
# What the Windows build adds: MinGW-w64 with POSIX threads, its tools, Ninja, the source package
# tools for Debian's qtbase, Python and NSIS for the release; and what its checks run the game,
# the installer and the tests with under X (with a window manager, which Wine 10 needs).
KAZOUMI_CROSS_PACKAGES=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
    binutils-mingw-w64-x86-64 mingw-w64-tools ninja-build dpkg-dev patch python3 nsis
    wine64 fonts-wine xvfb evilwm xdotool x11-utils imagemagick)
# What the Wayland test adds: a headless compositor and Qt's Wayland plugin to run the game
# natively, and an X server with ImageMagick, xdotool and the X utilities for the X11 window to
# compare with.
KAZOUMI_WAYLAND_PACKAGES=(weston qt6-wayland xvfb x11-utils xdotool imagemagick)
# What the screen reader test adds: Orca and the AT-SPI bus with its Python bindings, a private X
# server and D-Bus session, and the keyboard.
KAZOUMI_SCREENREADER_PACKAGES=(orca python3-pyatspi at-spi2-core dbus-x11 xvfb xdotool)
# What the checks under Valgrind add (the valgrind test, which .ci/run runs).
KAZOUMI_VALGRIND_PACKAGES=(valgrind)
# What the event fuzzer adds: clang, and its runtime with libFuzzer and the sanitizers (only
# recommended by clang, so named here).
KAZOUMI_FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# What scripts/screenshot adds: a virtual X server, the X tools that find, click and capture the
# windows, and ImageMagick, which writes the PNG files.
KAZOUMI_SCREENSHOT_PACKAGES=(xvfb x11-utils xdotool imagemagick)
# What bench/run adds: a virtual X server, the X tools that click and look at its windows
# (xdotool, xwininfo, xwd), the X client library of the window-mapping watcher, and Google
# Benchmark.
KAZOUMI_BENCH_PACKAGES=(xvfb xdotool x11-utils x11-apps libxcb1-dev libbenchmark-dev)
# What proving the README's commands on bare Debian systems needs (scripts/fresh-check):
# debootstrap, and the X server, tools and Python that show and end the game in the bare root.
KAZOUMI_FRESH_CHECK_PACKAGES=(debootstrap xvfb xdotool x11-utils python3)

ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        # Several lists name the same package: ask for it once.
        [[ " ${missing[*]} " == *" $package "* ]] && continue
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing ${missing[*]}"
        if ! { DEBIAN_FRONTEND=noninteractive apt-get update -q >/dev/null &&
            DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
                -o DPkg::Lock::Timeout=600 "${missing[@]}" >/dev/null; }; then
            echo "apt-get could not install ${missing[*]}" >&2
            return 1
        fi
    else
        echo "Some packages are missing. Install them with:" >&2
        echo "  sudo apt-get install ${missing[*]}" >&2
        return 1
    fi
}

# Configures and builds one preset in its build folder, kept between runs:
#   build_preset PRESET [--fresh] [-DNAME=VALUE...] [--target TARGET...]
# --fresh (a new cache) and the -D options go to the configuring, the rest to the build.
build_preset() {
    local preset=$1 configure_options=() build_options=() option
    shift
    for option in "$@"; do
        case $option in
        -D* | --fresh) configure_options+=("$option") ;;
        *) build_options+=("$option") ;;
        esac
    done
    cmake --preset "$preset" "${configure_options[@]}" >/dev/null &&
        cmake --build --preset "$preset" --parallel "$(nproc)" "${build_options[@]}"
}
