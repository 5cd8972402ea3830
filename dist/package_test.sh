#!/bin/sh
# The Debian package on a fresh Debian 12: installs build/duskbell_*.deb with apt-get into a copy of
# a minimal system made by debootstrap (kept in BUILDDIR/debian12 for the next run), starts the
# installed game headless as a player until it shows the title, then removes the package and checks
# that none of its files is left while the player's own files stay.
# Usage: package_test.sh BUILDDIR   (as root: debootstrap, chroot and mount need it)
set -eu
build=$(cd "$1" && pwd)
deb=$(ls "$build"/duskbell_*.deb | tail -n 1)
pristine=$build/debian12
root=$build/debian12-test
say() { echo "package-test: $*"; }
fail() { echo "package-test: FAILED: $*" >&2; exit 1; }

if [ ! -x "$pristine/usr/bin/apt-get" ]; then
    say "making a fresh Debian 12 in $pristine"
    rm -rf "$pristine"
    debootstrap --variant=minbase bookworm "$pristine" http://deb.debian.org/debian >/dev/null
fi
tracer=
cleanup() {
    [ -z "$tracer" ] || pkill -KILL -P "$tracer" 2>/dev/null || true
    umount "$root/proc" 2>/dev/null || true
    rm -rf "$root"
}
trap cleanup EXIT
cleanup
cp -a "$pristine" "$root"
mount -t proc proc "$root/proc"
cp /etc/resolv.conf "$root/etc/resolv.conf"
in_root() { chroot "$root" env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin:/usr/games \
    DEBIAN_FRONTEND=noninteractive LANG=C.UTF-8 "$@"; }

in_root apt-get update -qq
in_root useradd -m player
cp "$deb" "$root/tmp/"
say "apt-get install ./$(basename "$deb")"
in_root apt-get install -y -q "/tmp/$(basename "$deb")" >"$build/package-test-install.log" 2>&1 ||
    { tail -n 20 "$build/package-test-install.log"; fail "apt-get install"; }
say "$(sed -n 's/^\([0-9]* upgraded, [0-9]* newly installed\).*/\1/p' "$build/package-test-install.log")" \
    "(the list: $build/package-test-install.log)"
in_root dpkg-query -W -f='${Depends}\n' duskbell | sed 's/^/package-test: Depends: /'
in_root dpkg -L duskbell >"$build/package-test-files"
[ -x "$root/usr/games/duskbell" ] || fail "no /usr/games/duskbell"
in_root sh -c 'command -v duskbell' | grep -qx /usr/games/duskbell || fail "duskbell is not on the PATH"

# Started as the menu entry starts it, by its Exec line, as a player with a desktop-less session.
exec=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/com.velmor.Duskbell.desktop")
say "starting '$exec' as player"
trace=$build/package-test-trace
rm -f "$trace"
strace -f -qq -e trace=openat -o "$trace" chroot --userspec=player:player "$root" env -i \
    HOME=/home/player PATH=/usr/bin:/bin:/usr/games QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
    "$exec" &
tracer=$!
i=0
until grep -q '"/usr/share/games/duskbell/logo\.png", O_RDONLY.*= [0-9]' "$trace" 2>/dev/null; do
    kill -0 "$tracer" 2>/dev/null || fail "the game ended before the title"
    i=$((i + 1))
    [ $i -le 600 ] || fail "no title within a minute"
    sleep 0.1
done
sleep 1
game=$(grep '"/usr/share/games/duskbell/logo.png"' "$trace" | head -n 1 | cut -d' ' -f1)
kill -0 "$game" 2>/dev/null || fail "the game ended at the title"
grep -q '"/usr/share/sounds/sf2/default-GM.sf2", O_RDONLY.*= [0-9]' "$trace" || fail "the soundfont was not found"
grep -q 'ipafont.*= [0-9]' "$trace" || fail "the IPA fonts were not found"
say "title reached; soundfont and IPA fonts opened"
kill "$game"
wait "$tracer" 2>/dev/null || true
tracer=
# A player's own file, as a saved game would be, must survive the removal.
mkdir -p "$root/home/player/.local/share/duskbell"
echo saved >"$root/home/player/.local/share/duskbell/DblData.dat"

say "apt-get remove duskbell"
in_root apt-get remove -y -q duskbell >"$build/package-test-remove.log" 2>&1 || fail "apt-get remove"
left=0
while read -r path; do
    # A folder still there is left behind unless another package owns it too.
    if [ -d "$root$path" ] && [ ! -L "$root$path" ]; then
        in_root dpkg-query -S "$path" >/dev/null 2>&1 && continue
    elif [ ! -e "$root$path" ] && [ ! -L "$root$path" ]; then
        continue
    fi
    echo "left behind: $path" >&2
    left=1
done <"$build/package-test-files"
[ $left = 0 ] || fail "files of the package were left behind"
status=$(in_root dpkg-query -W -f='${db:Status-Status}' duskbell 2>/dev/null || true)
[ "$status" != installed ] || fail "dpkg still lists duskbell as installed"
[ -f "$root/home/player/.local/share/duskbell/DblData.dat" ] || fail "the player's saved game was removed"
say "removed: $(wc -l <"$build/package-test-files") paths of the package gone, the player's files kept"
