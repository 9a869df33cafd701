# SPDX-FileCopyrightText: 2026 The Kazoumi developers
# SPDX-License-Identifier: GPL-3.0-or-later

# shellcheck shell=bash
# Sourced by the scripts that work in bare Debian roots (scripts/fresh-check, and scripts/windows
# on a host that is not Debian 13): a root is debootstrap's minimal system with git and
# ca-certificates, unpacked from a download cached in $KAZOUMI_FRESH_CACHE (default
# /var/cache/kazoumi-fresh-check) and renewed after a week. Needs root and debootstrap.

KAZOUMI_ROOT_CACHE=${KAZOUMI_FRESH_CACHE:-/var/cache/kazoumi-fresh-check}

# The Debian archives this machine's apt takes its packages from, as apt itself reads its sources:
# a line "URI SUITE COMPONENT" each.
debian_sources() {
    # shellcheck disable=SC2016 # apt's own field names, not the shell's
    apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' \
        'Identifier: Packages' 'Origin: Debian' 2>/dev/null | sort -u
}

# The Debian mirror this machine's apt takes its packages from (not the security archive).
debian_mirror() {
    local mirror
    mirror=$(debian_sources | awk '$2 !~ /-security$/ { print $1; exit }')
    echo "${mirror:-http://deb.debian.org/debian/}"
}

# Unpacks a bare SUITE into the empty folder ROOT, downloading it first when the cached copy is
# missing or older than a week. One download at a time: two scripts may want the same suite.
#   root_unpack SUITE ROOT
root_unpack() {
    local suite=$1 root=$2 arch mirror
    arch=$(dpkg --print-architecture)
    mirror=$(debian_mirror)
    local tarball=$KAZOUMI_ROOT_CACHE/$suite-$arch.tgz
    mkdir -p "$KAZOUMI_ROOT_CACHE"
    (
        flock 8
        if [ -z "$(find "$tarball" -mtime -7 2>/dev/null)" ]; then
            echo "downloading a bare $suite from $mirror"
            rm -rf "$KAZOUMI_ROOT_CACHE/work-$suite"
            debootstrap --variant=minbase --include=git,ca-certificates --arch="$arch" \
                --make-tarball="$tarball.new" "$suite" "$KAZOUMI_ROOT_CACHE/work-$suite" \
                "$mirror" >"$KAZOUMI_ROOT_CACHE/$suite.log" 2>&1 ||
                { tail -n 20 "$KAZOUMI_ROOT_CACHE/$suite.log" >&2; exit 1; }
            mv "$tarball.new" "$tarball"
            rm -rf "$KAZOUMI_ROOT_CACHE/work-$suite"
        fi
    ) 8>"$KAZOUMI_ROOT_CACHE/.lock-$suite" ||
        { echo "debootstrap could not download $suite" >&2; return 1; }
    debootstrap --variant=minbase --include=git,ca-certificates --arch="$arch" \
        --unpack-tarball="$tarball" "$suite" "$root" "$mirror" >"$root.log" 2>&1 ||
        { tail -n 20 "$root.log" >&2; echo "debootstrap could not make the $suite root" >&2
          return 1; }
    rm -f "$root.log"
}

# Runs a command in ROOT as root with a clean environment, in namespaces of its own: its mounts
# (/proc, and /dev with its shared memory) and its processes end with it.
#   in_root ROOT COMMAND...
in_root() {
    local root=$1
    shift
    # shellcheck disable=SC2016 # the inner shell's own arguments
    unshare --mount --pid --fork --kill-child sh -c \
        'mount --rbind /dev "$0/dev" && mount -t proc proc "$0/proc" && exec chroot "$0" "$@"' \
        "$root" env -i HOME=/root LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
}

# The Windows build is made from Debian 13's Qt, with Debian 13's MinGW-w64 and Wine 10: on any
# other host, in a Debian 13 root kept in /var/cache/kazoumi-windows/.
KAZOUMI_WINDOWS_SUITE=trixie
KAZOUMI_WINDOWS_ROOT=/var/cache/kazoumi-windows/$KAZOUMI_WINDOWS_SUITE

on_windows_suite() {
    (. /etc/os-release && [ "${VERSION_CODENAME:-}" = "$KAZOUMI_WINDOWS_SUITE" ])
}

# Runs a script of this checkout in the Windows build's root, made the first time, on a copy of
# the checkout as it stands (uncommitted changes too) that keeps its build folders from one run
# to the next. One script at a time in the root: a second waits for the first.
#   in_windows_root SCRIPT ARGUMENT...
in_windows_root() {
    local root=$KAZOUMI_WINDOWS_ROOT status=0
    if [ "$(id -u)" -ne 0 ]; then
        echo "The Windows build is made in a Debian $KAZOUMI_WINDOWS_SUITE root on this host:" \
            "run it as root" >&2
        return 1
    fi
    ensure_packages debootstrap >&2
    mkdir -p "$(dirname "$root")"
    exec 7>"$root.lock"
    flock 7
    if [ ! -f "$root/.made" ]; then
        echo "Making a Debian $KAZOUMI_WINDOWS_SUITE root for the Windows build in $root" >&2
        rm -rf --one-file-system "$root"
        mkdir -p "$root"
        root_unpack "$KAZOUMI_WINDOWS_SUITE" "$root" >&2
        touch "$root/.made"
    fi
    mkdir -p "$root/srv/kazoumi"
    find "$root/srv/kazoumi" -mindepth 1 -maxdepth 1 ! -name build -exec rm -rf {} +
    tar --exclude=./.git --exclude=./build --exclude='./build-*' -cf - . |
        tar -xf - -C "$root/srv/kazoumi"
    in_root "$root" CI="${CI:-}" "/srv/kazoumi/$1" "${@:2}" || status=$?
    exec 7>&-
    return $status
}
