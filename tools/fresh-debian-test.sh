#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Tries the README's test command as a new contributor would: makes a fresh
# Debian 12 minbase system with mmdebstrap, clones this repository's committed
# HEAD into it and runs `tools/setup.sh test` there as root in a chroot.
# Run by hand, as root, on a Debian machine:
#   tools/fresh-debian-test.sh [PARENT]   (work folder made in PARENT, /var/tmp)
# Prints how long each step took and whether the tests passed on their first
# run. Removes every mount and file it made, also when interrupted.
set -euo pipefail

[ "$(id -u)" -eq 0 ] || { echo "$0: run as root (it makes a chroot)" >&2; exit 2; }
top=$(cd "$(dirname "$0")/.." && pwd)
rev=$(git -C "$top" rev-parse HEAD)
parent=${1:-/var/tmp}

if ! command -v mmdebstrap >/dev/null; then
    apt-get update -qq -o DPkg::Lock::Timeout=600
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o DPkg::Lock::Timeout=600 \
        --no-install-recommends mmdebstrap >/dev/null
fi

work=$(mktemp -d "$parent/quillway-fresh.XXXXXX")
work=$(cd "$work" && pwd -P)
root="$work/root"
chroot_pid=

# Mount points at or below the work folder, deepest first.
mounts_below() {
    findmnt -rn -o TARGET | grep -E "^$work(/|\$)" | sort -r || true
}

# Processes whose root folder is the new system's.
pids_inside() {
    local pid
    for pid in /proc/[0-9]*; do
        [ "$(readlink "$pid/root" 2>/dev/null)" = "$root" ] && echo "${pid#/proc/}"
    done
    return 0
}

cleanup() {
    trap - EXIT INT TERM
    set +e
    [ -n "$chroot_pid" ] && kill "$chroot_pid" 2>/dev/null
    # Whatever still runs inside the new system (the tests' X servers, apt...).
    local pids
    pids=$(pids_inside)
    if [ -n "$pids" ]; then
        kill $pids 2>/dev/null
        sleep 2
        pids=$(pids_inside)
        [ -n "$pids" ] && kill -KILL $pids 2>/dev/null
    fi
    wait 2>/dev/null
    local m
    for m in $(mounts_below); do
        umount "$m" 2>/dev/null || umount -R -l "$m"
    done
    if [ -n "$(mounts_below)" ]; then
        echo "still mounted below $work, so it is left in place:" >&2
        mounts_below >&2
        return
    fi
    # --one-file-system: never step into another file system, come what may.
    rm -rf --one-file-system "$work"
    echo "removed $work"
}
trap cleanup EXIT
trap 'echo "interrupted"; exit 130' INT TERM

# The host's own apt sources and its local Acquire settings (a proxy, date
# checks) reach Debian's packages from here, so the new system uses them too.
sources=()
for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && grep -qE '^[[:space:]]*(deb|Types:)' "$f" && sources+=("$f")
done
aptopts=()
for f in /etc/apt/apt.conf.d/*; do
    [ -f "$f" ] || continue
    dpkg-query -S "$f" >/dev/null 2>&1 && continue # a package's own, not this machine's
    grep -q 'Acquire::' "$f" && aptopts+=("--aptopt=$f")
done

start=$(date +%s)
echo "Making a fresh Debian 12 system in $root"
mmdebstrap --quiet --variant=minbase --include=ca-certificates,git,sudo \
    "${aptopts[@]}" bookworm "$root" "${sources[@]}"
cp -L /etc/resolv.conf "$root/etc/resolv.conf"
made=$(date +%s)

git -c safe.directory='*' clone -q --no-hardlinks "$top" "$root/root/quillway"
git -C "$root/root/quillway" fetch -q "$top" "$rev"
git -C "$root/root/quillway" checkout -q --detach "$rev"

for m in proc sys dev dev/pts; do
    mount --bind "/$m" "$root/$m"
done
# Shared memory as a booted system has it (sway's buffers live there).
mount -t tmpfs -o mode=1777,nosuid,nodev tmpfs "$root/dev/shm"

echo "Running tools/setup.sh test at $rev"
env -i HOME=/root USER=root LOGNAME=root SHELL=/bin/bash TERM="${TERM:-dumb}" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    ${http_proxy:+http_proxy=$http_proxy} ${https_proxy:+https_proxy=$https_proxy} \
    chroot "$root" /bin/bash -c 'cd /root/quillway && tools/setup.sh test' &
chroot_pid=$!
status=0
wait "$chroot_pid" || status=$?
chroot_pid=
end=$(date +%s)

# How long each end-to-end session (in the sanitizer build) waited for its
# window manager.
grep -h 'window manager ready' "$root/root/quillway/build-asan/Testing/Temporary/LastTest.log" 2>/dev/null || true
echo "fresh system made in $((made - start)) s; tools/setup.sh test took $((end - made)) s; $((end - start)) s in all"
if [ "$status" -eq 0 ]; then
    echo "PASSED on its first run"
else
    echo "FAILED on its first run (status $status)"
fi
exit "$status"
