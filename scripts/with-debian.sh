#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command in a minimal chroot of a Debian release, on a fresh clone of
# this working tree, as a new user of that release would.
#   scripts/with-debian.sh [--fresh] RELEASE [COMMAND...]
#   RELEASE: 12 or bookworm, 13 or trixie.  COMMAND: default ./test.sh --quick.
#   --fresh: a throw-away copy of the release's pristine base (packages are
#            installed into it by the command), removed afterwards; no clone.
#   --copy-in SRC:DEST (repeatable) copies a host file into the chroot first;
#   --copy-out SRC:DEST (repeatable) copies a chroot file out afterwards.
# The chroot is made once with debootstrap from the mirror of the host's apt
# sources and kept in VENDRASK_DEBIAN_CACHE (default
# /var/cache/vendrask/debian): the pristine base, a working copy of it, the
# packages they downloaded and a compiler cache, so later runs take seconds
# to set up.
# The clone lies in /home/vendrask/vendrask (not under /root, which the
# unprivileged user of the Wayland tiers cannot read). Needs root.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

fresh=0
copy_in=()
copy_out=()
while [[ $# -gt 0 ]]; do
    case "$1" in
    --fresh) fresh=1 ;;
    --copy-in) copy_in+=("$2") && shift ;;
    --copy-out) copy_out+=("$2") && shift ;;
    -h | --help)
        sed -n '3,17p' "$0" | sed 's/^# \{0,1\}//'
        exit 0
        ;;
    *) break ;;
    esac
    shift
done
[[ $# -ge 1 ]] || {
    echo "with-debian: which release? (12, 13, bookworm or trixie; --help)" >&2
    exit 2
}
case "$1" in
12 | bookworm) release=bookworm ;;
13 | trixie) release=trixie ;;
*)
    echo "with-debian: unknown release '$1' (12, 13, bookworm or trixie)" >&2
    exit 2
    ;;
esac
shift
[[ $# -gt 0 ]] || set -- ./test.sh --quick
[[ $(id -u) -eq 0 ]] || {
    echo "with-debian: needs root (debootstrap and chroot)" >&2
    exit 1
}

cache=${VENDRASK_DEBIAN_CACHE:-/var/cache/vendrask/debian}
base=$cache/$release
mkdir -p "$cache"

# The mirror the host's apt already uses, so no other host is asked.
mirror() {
    local uri
    uri=$(grep -hsE '^(URIs:|deb )' /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null |
        grep -vE 'security|updates' | grep -m1 -oE 'https?://[^ ]+/debian/?' || true)
    echo "${uri:-http://deb.debian.org/debian}"
}

make_base() {
    command -v debootstrap >/dev/null || {
        echo "with-debian: installing debootstrap"
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null
    }
    local url
    url=$(mirror)
    echo "with-debian: making a minimal $release from $url (once; kept in $base)"
    rm -rf "$base.new"
    debootstrap --variant=minbase "$release" "$base.new" "$url" >"$cache/debootstrap-$release.log" 2>&1 || {
        tail -n 30 "$cache/debootstrap-$release.log"
        exit 1
    }
    # The release's own updates and security fixes, as a new installation has.
    cat >"$base.new/etc/apt/sources.list" <<EOF
deb $url $release main
deb $url $release-updates main
EOF
    # The host's apt settings for this mirror (such as snapshot dates).
    cp -a /etc/apt/apt.conf.d/99* "$base.new/etc/apt/apt.conf.d/" 2>/dev/null || true
    echo 'Binary::apt::APT::Keep-Downloaded-Packages "true";' >"$base.new/etc/apt/apt.conf.d/90keep"
    # git to clone the tree; ca-certificates for an https mirror.
    chroot "$base.new" bash -c 'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends git ca-certificates >/dev/null' ||
        exit 1
    mv "$base.new" "$base"
}
[[ -d "$base" ]] || make_base

# A chroot of our own: a throw-away copy of the pristine base for --fresh;
# otherwise a kept working copy of it, where installed packages stay for the
# next run, as on a developer's machine.
if [[ $fresh == 1 ]]; then
    root=$(mktemp -d "$cache/fresh-$release-XXXXXX")
    cp -a "$base/." "$root/"
else
    root=$cache/$release-work
    if [[ ! -d "$root" ]]; then
        rm -rf "$root.new"
        cp -a "$base" "$root.new"
        mv "$root.new" "$root"
    fi
fi

mounted=()
cleanup() {
    local status=$?
    # Every process still running in the chroot ends before its mounts go.
    local pid link
    for pid in /proc/[0-9]*; do
        link=$(readlink "$pid/root" 2>/dev/null || true)
        [[ "$link" == "$root" || "$link" == "$root"/* ]] && kill -KILL "${pid#/proc/}" 2>/dev/null || true
    done
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount -l "${mounted[i]}" 2>/dev/null || true
    done
    [[ $fresh == 1 ]] && rm -rf "$root"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

bind() { # source, target inside the chroot, mount options...
    local src=$1 dst=$root$2
    shift 2
    mkdir -p "$dst"
    mount "$@" "$src" "$dst"
    mounted+=("$dst")
}
bind proc /proc -t proc
bind sysfs /sys -t sysfs
bind /dev /dev --rbind
mount --make-rslave "$root/dev"
bind tmpfs /run -t tmpfs -o mode=755
bind tmpfs /tmp -t tmpfs -o mode=1777
mkdir -p "$root/run/lock" "$root/run/user"
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
# Downloaded packages and compiled objects outlive every chroot.
mkdir -p "$cache/apt-$release/partial" "$cache/ccache-$release"
bind "$cache/apt-$release" /var/cache/apt/archives --bind
bind "$cache/ccache-$release" /var/cache/ccache --bind

for pair in "${copy_in[@]}"; do
    mkdir -p "$(dirname "$root/${pair#*:}")"
    cp -a "${pair%%:*}" "$root/${pair#*:}"
done

workdir=/
if [[ $fresh == 0 ]]; then
    # A clone of what is committed, then what is not: the working tree as it is.
    clone=$root/home/vendrask/vendrask
    rm -rf "$clone"
    mkdir -p "$(dirname "$clone")"
    git clone -q --no-hardlinks "$here" "$clone"
    git -C "$here" diff HEAD --binary | git -C "$clone" apply --allow-empty --whitespace=nowarn
    git -C "$here" ls-files -o --exclude-standard -z | (cd "$here" && xargs -0 -r cp --parents -t "$clone")
    workdir=/home/vendrask/vendrask
fi

echo "with-debian: $release: $*"
status=0
chroot "$root" /usr/bin/env -i \
    HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 TERM="${TERM:-dumb}" CI="${CI:-}" TSAN="${TSAN:-}" FUZZ_SECONDS="${FUZZ_SECONDS:-}" \
    CCACHE_DIR=/var/cache/ccache VENDRASK_IN_CHROOT=1 \
    bash -c 'cd "$1" && shift && exec "$@"' with-debian "$workdir" "$@" || status=$?

for pair in "${copy_out[@]}"; do
    cp -a "$root/${pair%%:*}" "${pair#*:}" || status=1
done
exit "$status"
