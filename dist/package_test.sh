#!/bin/sh
# The Debian packages as a maintainer and a player meet them:
#  - two builds of one commit in two folders (package_build.sh) gave byte-identical .deb files;
#  - lintian --pedantic finds nothing to say about either package;
#  - on a fresh Debian 12 (made once by debootstrap from the machine's own apt sources, kept in
#    BUILDDIR/debian12) apt-get installs them beside a General MIDI soundfont other than
#    fluid-soundfont-gm, the game starts from its menu entry's Exec line as a player, finds that
#    soundfont and the IPA fonts, and reaches the title; apt-get remove then leaves none of the
#    packages' files, and the player's saved game stays.
# Usage: package_test.sh FIRSTDIR SECONDDIR BUILDDIR   (as root: debootstrap, chroot and mount need it)
set -eu
first=$(cd "$1" && pwd)
second=$(cd "$2" && pwd)
build=$(cd "$3" && pwd)
say() { echo "package-test: $*"; }
fail() { echo "package-test: FAILED: $*" >&2; exit 1; }

# --- the same bytes from two folders ---
debs=$(cd "$first" && ls *.deb)
[ -n "$debs" ] || fail "no .deb in $first"
for deb in $debs; do
    [ -f "$second/$deb" ] || fail "the second build made no $deb"
    a=$(sha256sum <"$first/$deb" | cut -d' ' -f1)
    b=$(sha256sum <"$second/$deb" | cut -d' ' -f1)
    say "$a  $first/$deb"
    say "$b  $second/$deb"
    [ "$a" = "$b" ] || fail "$deb differs between the two builds (diffoscope $first/$deb $second/$deb)"
done
say "both builds gave identical packages"

# --- lintian, every tag down to pedantic, apart from what the packages' overrides explain ---
program=$(ls "$first"/duskbell_*.deb)
data=$(ls "$first"/duskbell-data_*.deb)
lintian --pedantic --fail-on error,warning,info,pedantic "$program" "$data" || fail "lintian has something to say"
overridden=$(lintian --pedantic --show-overrides "$program" "$data" 2>/dev/null | grep '^O: ' | cut -d' ' -f2,3 | sort | uniq -c)
say "lintian --pedantic: clean; overridden:" $overridden

# --- a fresh Debian 12 from the machine's configured sources ---
pristine=$build/debian12
root=$build/debian12-test
if [ ! -x "$pristine/usr/bin/apt-get" ]; then
    mirror=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' 'Identifier: Packages' |
        awk '$2 == "bookworm" && $3 == "main" { print $1; exit }')
    [ -n "$mirror" ] || fail "no bookworm main source in this machine's apt sources"
    say "making a fresh Debian 12 in $pristine from $mirror"
    rm -rf "$pristine"
    debootstrap --variant=minbase bookworm "$pristine" "$mirror" >/dev/null
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
# Another package that provides sf2-soundfont-gm: the game must find it through the alternative.
in_root apt-get install -y -q --no-install-recommends timgm6mb-soundfont >"$build/package-test-install.log" 2>&1 ||
    { tail -n 20 "$build/package-test-install.log"; fail "apt-get install timgm6mb-soundfont"; }
cp "$program" "$data" "$root/tmp/"
say "apt-get install ./$(basename "$program") ./$(basename "$data")"
in_root apt-get install -y -q "/tmp/$(basename "$program")" "/tmp/$(basename "$data")" \
    >>"$build/package-test-install.log" 2>&1 ||
    { tail -n 20 "$build/package-test-install.log"; fail "apt-get install"; }
say "$(sed -n 's/^\([0-9]* upgraded, [0-9]* newly installed\).*/\1/p' "$build/package-test-install.log" | tail -n 1)" \
    "(the list: $build/package-test-install.log)"
in_root dpkg-query -W -f='${Depends}\n' duskbell | sed 's/^/package-test: Depends: /'
[ "$(in_root dpkg-query -W -f='${db:Status-Status}' fluid-soundfont-gm 2>/dev/null || true)" != installed ] ||
    fail "fluid-soundfont-gm was installed although another soundfont was there"
# dpkg lists each package's root as /. and parts two packages with an empty line.
in_root dpkg -L duskbell duskbell-data | grep -v -x -e '' -e '/\.' >"$build/package-test-files"
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
[ "$(in_root readlink -f /usr/share/sounds/sf2/default-GM.sf2)" = /usr/share/sounds/sf2/TimGM6mb.sf2 ] ||
    fail "default-GM.sf2 is not timgm6mb's"
grep -q 'ipafont.*= [0-9]' "$trace" || fail "the IPA fonts were not found"
say "title reached; the soundfont (TimGM6mb, through default-GM.sf2) and the IPA fonts opened"
kill "$game"
wait "$tracer" 2>/dev/null || true
tracer=
# A player's own file, as the game writes its saved game, must survive the removal.
mkdir -p "$root/home/player/.local/share/duskbell"
echo saved >"$root/home/player/.local/share/duskbell/DBLDATA.DAT"

say "apt-get remove duskbell duskbell-data"
in_root apt-get remove -y -q duskbell duskbell-data >"$build/package-test-remove.log" 2>&1 || fail "apt-get remove"
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
[ $left = 0 ] || fail "files of the packages were left behind"
for p in duskbell duskbell-data; do
    status=$(in_root dpkg-query -W -f='${db:Status-Status}' $p 2>/dev/null || true)
    [ "$status" != installed ] || fail "dpkg still lists $p as installed"
done
[ -f "$root/home/player/.local/share/duskbell/DBLDATA.DAT" ] || fail "the player's saved game was removed"
say "removed: $(wc -l <"$build/package-test-files") paths of the packages gone, the player's files kept"
