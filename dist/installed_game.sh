#!/bin/sh
# The installed game starts: installs the build into a scratch prefix, starts the installed program
# headless with a scratch home, and passes once the program has read the title's logotype from the
# installed data folder and is still running a moment later. The data folder, made read-only, must
# come out unchanged, and nothing may be written outside the scratch home.
# Usage: installed_game.sh BUILDDIR
set -eu
build=$1
tmp=$(mktemp -d)
tracer=
cleanup() {
    [ -n "$tracer" ] && kill "$tracer" 2>/dev/null
    chmod -R u+w "$tmp"
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "installed_game: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$tmp/P" >/dev/null
data=$tmp/P/share/games/duskbell
[ -x "$tmp/P/games/duskbell" ] || fail "no program in P/games"
[ -f "$data/logo.png" ] || fail "no title logotype in P/share/games/duskbell"
chmod -R a-w "$data"
listing() { (cd "$data" && find . -printf '%p %s %T@ %m\n' | sort); }
before=$(listing)

# strace shows which files the program opens; the game itself is not changed for the test.
HOME=$tmp/home XDG_DATA_HOME=$tmp/home/data XDG_CONFIG_HOME=$tmp/home/config \
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
    strace -f -qq -e trace=openat -o "$tmp/trace" "$tmp/P/games/duskbell" &
tracer=$!

# The opening demo plays first; the title follows it.
i=0
until grep -q "\"$data/logo\.png\"" "$tmp/trace" 2>/dev/null; do
    kill -0 "$tracer" 2>/dev/null || fail "the game ended before the title"
    i=$((i + 1))
    [ $i -le 1200 ] || fail "no title within two minutes"
    sleep 0.1
done
sleep 1
game=$(head -n 1 "$tmp/trace" | cut -d' ' -f1)
kill -0 "$game" 2>/dev/null || fail "the game ended at the title"
# Ended as a desktop session ends it.
kill "$game"
i=0
while kill -0 "$game" 2>/dev/null; do
    i=$((i + 1))
    [ $i -le 100 ] || { kill -KILL "$game"; fail "the game did not end on SIGTERM"; }
    sleep 0.1
done
wait "$tracer" || true
tracer=

[ "$(listing)" = "$before" ] || fail "the installed data folder changed"
if grep -E 'O_(WRONLY|RDWR|CREAT)' "$tmp/trace" | grep -v -e "\"$tmp/home/" -e '"/dev/' -e '"/tmp/' -e '"/proc/' \
    -e '"/run/' >"$tmp/writes"; then
    cat "$tmp/writes" >&2
    fail "the game wrote outside the player's home"
fi
echo "installed_game: title reached from $data"
