#!/bin/sh
# Runs the README's commands the way a new user meets them: on a minimal Debian 12 system
# (debootstrap --variant=minbase bookworm, as a container or a minimal server install is),
# from a fresh clone of this checkout's HEAD, with /proc, /sys and /dev bound in. In one such
# system root runs "./build.sh test" and "./build.sh package", then builds again from the
# checkout moved to another name; in a second one a user who may use sudo runs the same two
# commands; in the second one a user without sudo is refused with a line that says what to
# install. Each step's time is printed, and lintian's verdict on each package. Needs root and
# debootstrap; everything it made is removed when it ends, whatever the outcome.
#   sudo tools/check-on-minimal-debian.sh
set -eu

checkout=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
work=$(mktemp -d /var/tmp/sorvane-minimal.XXXXXX)
systems=""

unmount_all() {
    for root in $systems; do
        for mount in proc sys dev; do
            if mountpoint -q "$root/$mount"; then
                umount -R "$root/$mount" 2>/dev/null || umount -R -l "$root/$mount"
            fi
        done
    done
}
remove_work() {
    unmount_all
    # Only once nothing is mounted below it: never into the machine's own /dev or /proc.
    rm -rf --one-file-system "$work"
}
trap remove_work EXIT
trap 'exit 1' INT TERM HUP

# new_system NAME: a fresh minimal system with the machine's /proc, /sys and /dev bound in.
new_system() {
    root="$work/$1"
    echo "== debootstrap --variant=minbase bookworm $root"
    debootstrap --variant=minbase bookworm "$root" >"$work/$1.debootstrap.log" 2>&1 ||
        { tail "$work/$1.debootstrap.log"; exit 1; }
    systems="$systems $root"
    for mount in proc sys dev; do
        mount --rbind "/$mount" "$root/$mount"
        mount --make-rslave "$root/$mount"
    done
    cp /etc/resolv.conf "$root/etc/resolv.conf"
}

# timed LABEL ROOT USER COMMAND: runs COMMAND in ROOT's shell as USER and prints its time.
timed() {
    label=$1 root=$2 user=$3 command=$4
    echo "== $label"
    start=$(date +%s)
    if [ "$user" = root ]; then
        chroot "$root" sh -c "$command"
    else
        chroot "$root" su "$user" -c "$command"
    fi
    seconds=$(($(date +%s) - start))
    printf '== %s: %dm%02ds\n' "$label" $((seconds / 60)) $((seconds % 60))
}

lint() {
    echo "== lintian -I -E --pedantic"
    chroot "$1" sh -c "lintian -I -E --pedantic $2/build/sorvane_*.deb && echo 'lintian: nothing to report'"
}

new_system as-root
git clone --quiet "$checkout" "$root/root/sorvane"
timed "as root: ./build.sh test" "$root" root "cd /root/sorvane && ./build.sh test"
timed "as root: ./build.sh package" "$root" root "cd /root/sorvane && ./build.sh package"
lint "$root" /root/sorvane
mv "$root/root/sorvane" "$root/root/music-tools"
timed "as root, moved: ./build.sh run --version" "$root" root "cd /root/music-tools && ./build.sh run --version"

new_system as-sudo-user
chroot "$root" sh -c 'apt-get update -q && apt-get install -y -q sudo' >"$work/sudo.log" 2>&1 ||
    { tail "$work/sudo.log"; exit 1; }
chroot "$root" useradd --create-home --groups sudo builder
chroot "$root" useradd --create-home outsider
echo 'builder ALL=(ALL) NOPASSWD: ALL' >"$root/etc/sudoers.d/builder"
for user in builder outsider; do
    git clone --quiet "$checkout" "$root/home/$user/sorvane"
    chroot "$root" chown -R "$user:$user" "/home/$user/sorvane"
done
echo "== as a user without sudo rights, who is told what to install:"
if chroot "$root" su outsider -c 'cd ~/sorvane && ./build.sh test' </dev/null >"$work/outsider.log" 2>&1 ||
        ! grep "as root, run: apt-get install" "$work/outsider.log"; then
    cat "$work/outsider.log"
    echo "the user without sudo rights was not told what to install" >&2
    exit 1
fi
timed "as a sudo user: ./build.sh test" "$root" builder "cd ~/sorvane && ./build.sh test"
timed "as a sudo user: ./build.sh package" "$root" builder "cd ~/sorvane && ./build.sh package"
lint "$root" /home/builder/sorvane
