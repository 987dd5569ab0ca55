#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zerbo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# test-debian.sh RELEASE (bookworm, trixie, ...)
#
# Tries Zerbo as a new user would on a fresh Debian RELEASE: a minimal Debian
# root made by debootstrap, git and make installed and nothing else, a fresh
# clone of the committed HEAD of this checkout, then `make test`,
# `make package`, `apt install` of the package and `zerbo --version`.
#
# The bare root is kept as a cache in $ZERBO_DEBIAN_CACHE/RELEASE (default
# /var/cache/zerbo-debootstrap) with the downloaded packages beside it; each
# run works on a throw-away overlay over it, so nothing of a run survives it.
# Needs root (debootstrap, mounts, chroot).
set -euo pipefail
release=${1:?usage: test-debian.sh RELEASE}
mirror=${ZERBO_DEBIAN_MIRROR:-http://deb.debian.org/debian}
cache=${ZERBO_DEBIAN_CACHE:-/var/cache/zerbo-debootstrap}
source=$(cd "$(dirname "$0")/.." && pwd)
base=$cache/$release
archives=$cache/$release-archives

fail() { echo "test-debian $release: FAIL: $*" >&2; exit 1; }
say() { echo "== test-debian $release [$(date -u +%H:%M:%S)]: $*"; }

[ "$(id -u)" -eq 0 ] || fail "needs root to make and enter a Debian root (debootstrap, mount, chroot)"
# The mounts live in a mount namespace of their own: even a run that is killed
# leaves none behind.
if [ -z "${ZERBO_DEBIAN_NAMESPACE:-}" ]; then
    ZERBO_DEBIAN_NAMESPACE=1 exec unshare --mount --propagation private bash "$0" "$@"
fi
commit=$(git -C "$source" rev-parse --verify HEAD) || fail "no committed HEAD in $source"
git -C "$source" diff --quiet HEAD || say "note: uncommitted changes in $source are not tested"

if [ ! -x "$base/bin/sh" ]; then
    command -v debootstrap >/dev/null || {
        echo "Installing debootstrap"
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null ||
            fail "cannot make the Debian root: debootstrap is not installed and could not be"
    }
    say "making the Debian root in $base from $mirror"
    rm -rf "$base.new"
    mkdir -p "$cache"
    if ! debootstrap --variant=minbase "$release" "$base.new" "$mirror" >"$cache/$release.log" 2>&1; then
        tail -n 20 "$cache/$release.log" >&2
        rm -rf "$base.new"
        fail "cannot make the Debian root: debootstrap $release failed (log: $cache/$release.log)"
    fi
    mv "$base.new" "$base"
fi
mkdir -p "$archives/partial"

work=$(mktemp -d /var/tmp/zerbo-debian-XXXXXX)
root=$work/root
mounts=()
cleanup() {
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}" 2>/dev/null ||
            echo "test-debian $release: could not unmount ${mounts[i]}" >&2
    done
    # Only once nothing is mounted below it any more.
    if ! grep -q " $work/" /proc/self/mounts; then rm -rf "$work"; fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# mount_at TARGET MOUNT-ARGUMENTS...
mount_at() {
    local target=$1
    shift
    mount "$@" "$target" || fail "cannot mount $target"
    mounts+=("$target")
}
mkdir -p "$work/upper" "$work/scratch" "$root"
mount_at "$root" -t overlay overlay -o "lowerdir=$base,upperdir=$work/upper,workdir=$work/scratch"
mount_at "$root/proc" -t proc proc
mount_at "$root/sys" -t sysfs sysfs
mount_at "$root/dev" --bind /dev
mount_at "$root/dev/pts" --bind /dev/pts
mount_at "$root/dev/shm" -t tmpfs tmpfs
mount_at "$root/var/cache/apt/archives" --bind "$archives"
cp /etc/resolv.conf "$root/etc/resolv.conf"

in_root() {
    chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 TERM=dumb DEBIAN_FRONTEND=noninteractive /bin/bash -euo pipefail -c "$1"
}

say "installing git and make"
in_root 'apt-get update -qq && apt-get install -y -qq --no-install-recommends git make >/dev/null' ||
    fail "cannot install git and make in the Debian root"

say "cloning $commit"
git clone -q --no-local --no-checkout "$source" "$root/root/zerbo" || fail "git clone"
git -C "$root/root/zerbo" checkout -q --detach "$commit" || fail "git checkout $commit"

say "make test"
in_root 'cd /root/zerbo && make test' || fail "make test"
say "make package"
in_root 'cd /root/zerbo && make package' || fail "make package"
say "apt install of the package"
in_root 'cd /root/zerbo && apt-get install -y -qq ./build-release/zerbo_*.deb >/dev/null' ||
    fail "apt install ./build-release/zerbo_*.deb"
expected="Zerbo $(sed -n 's/^project(zerbo VERSION \([^ ]*\).*/\1/p' "$root/root/zerbo/CMakeLists.txt")"
answer=$(in_root 'cd / && zerbo --version') || fail "zerbo --version"
[ "$answer" = "$expected" ] || fail "zerbo --version answered '$answer', expected '$expected'"
say "passed on $(cat "$root/etc/debian_version"): $answer"
