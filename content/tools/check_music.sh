#!/bin/sh
# Listening check for the game's music and sounds: renders every MIDI file through the General MIDI
# soundfont and prints length, peak and RMS loudness, so that a silent, clipping or much louder or
# softer piece stands out before anyone has to play through the game to hear it.
#
# Usage: content/tools/check_music.sh [game folder]   (default: build/game)
# Needs: fluidsynth, sox, the fluid-soundfont-gm soundfont. Exits non-zero on a silent, clipping, much too loud or
# too soft piece, or a staff roll still sounding when its window closes at 99 s.
set -eu

GAME_DIR=${1:-build/game}
SOUNDFONT=${SOUNDFONT:-/usr/share/sounds/sf2/FluidR3_GM.sf2}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

status=0
# Sounding seconds run to where the render falls silent (-60 dBFS) for good: the instruments' release
# and the reverb tail after the last MIDI event count, FluidSynth's trailing silence does not.
printf '%-12s %9s %9s %10s %10s  %s\n' file sounding peak peak_dBFS rms_dBFS verdict
measure() {
    name=$1 wav=$2
    sox "$wav" "$WORK/tail.wav" reverse silence 1 0.01 -60d reverse
    # sox prints its statistics on stderr.
    stats=$(sox "$wav" -n stat 2>&1)
    length=$(soxi -D "$WORK/tail.wav")
    maxamp=$(printf '%s\n' "$stats" | awk -F: '/^Maximum amplitude/ {gsub(/ /, "", $2); print $2}')
    minamp=$(printf '%s\n' "$stats" | awk -F: '/^Minimum amplitude/ {gsub(/ /, "", $2); print $2}')
    rms=$(printf '%s\n' "$stats" | awk -F: '/^RMS +amplitude/ {gsub(/ /, "", $2); print $2}')
    printf '%s %s %s %s %s\n' "$name" "$length" "$maxamp" "$minamp" "$rms" | awk '
        function db(x) { return x > 0 ? 20 * log(x) / log(10) : -999 }
        {
            peak = $3 > -$4 ? $3 : -$4
            verdict = "ok"
            if ($5 < 0.002) verdict = "SILENT"
            else if (peak >= 0.999) verdict = "CLIPPING"
            # At FluidSynth'"'"'s default gain the pieces sit near -33 dBFS RMS; one far off stands out in play.
            else if ($1 ~ /\.mid$/ && db($5) > -29) verdict = "LOUD"
            else if ($1 ~ /\.mid$/ && db($5) < -38) verdict = "SOFT"
            else if ($1 == "M93C.mid" && $2 > 99) verdict = "OUTLASTS_ROLL"
            printf "%-12s %9.2f %9.4f %10.1f %10.1f  %s\n", $1, $2, peak, db(peak), db($5), verdict
            exit (verdict == "ok" ? 0 : 1)
        }' || status=1
}

for mid in "$GAME_DIR"/M*C.mid; do
    name=$(basename "$mid")
    wav="$WORK/${name%.mid}.wav"
    # Same sample rate and default gain for every piece, so the loudness figures compare.
    fluidsynth -ni -q -r 44100 -F "$wav" "$SOUNDFONT" "$mid" >/dev/null 2>&1
    measure "$name" "$wav"
done

for wav in "$GAME_DIR/KVDEMO.WAV" "$GAME_DIR/Dummy.wav"; do
    [ -f "$wav" ] || continue
    name=$(basename "$wav")
    if [ "$name" = Dummy.wav ]; then
        # The cut-off sound is meant to be silent: only its length matters.
        sox "$wav" -n stat 2>&1 | awk -F: '/^Length|^Maximum amplitude/ {gsub(/ /, "", $2); printf "%s=%s ", $1, $2} END {print ""}' |
            sed "s/^/$name (meant to be silent): /"
    else
        measure "$name" "$wav"
    fi
done
exit $status
