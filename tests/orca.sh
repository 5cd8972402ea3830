#!/bin/sh
# Runs a command beside a real screen reader, Orca, on a private X server, session bus, accessibility
# bus and speech service whose sound goes nowhere: orca.sh COMMAND ARGS... The command finds Orca's
# log, where each utterance is a line "SPEECH OUTPUT: '...'", in DUSKBELL_ORCA_LOG; with ORCA_SPOKEN
# set to a file, the log is kept there.
set -e
status=1
home=$(mktemp -d)
display=:$((150 + $$ % 100))
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/run" XDG_DATA_HOME="$home/.local/share"
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# Speech Dispatcher waits for a sound device that a test machine lacks; libao's null driver has none.
sed 's/^#\? *AudioOutputMethod .*/AudioOutputMethod "libao"/' /etc/speech-dispatcher/speechd.conf >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
echo default_driver=null >"$home/.libao"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'set +e; kill -9 $orca $wm $xvfb $DBUS_SESSION_BUS_PID $(cat "$XDG_RUNTIME_DIR"/speech-dispatcher/pid/*.pid) 2>/dev/null; rm -rf "$home"; exit $status' EXIT
export DISPLAY="$display" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 SDL_AUDIODRIVER=dummy
until xdpyinfo >/dev/null 2>&1; do sleep 0.3; done
eval "$(dbus-launch --sh-syntax)"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
openbox >/dev/null 2>&1 &
wm=$!
# Orca's log is written a line at a time, so that what it says can be read while it runs. Orca takes
# any Orca of the same user for a rival and kills it or gives way; this one is alone on its own buses,
# so that check is left out and two runs side by side leave each other be.
/usr/bin/python3 -c 'import builtins, sys
plain = builtins.open
builtins.open = lambda f, m="r", *a, **k: plain(f, m, 1, *a, **k) if m == "w" else plain(f, m, *a, **k)
sys.argv = ["orca"] + sys.argv[1:]
source = plain("/usr/bin/orca").read().replace("if otherOrcas():", "if False:")
exec(compile(source, "/usr/bin/orca", "exec"))' --debug-file="$home/orca.log" >/dev/null 2>&1 &
orca=$!
# Orca is ready once it has said that it is on.
for i in $(seq 1 150); do grep -q "SPEECH OUTPUT" "$home/orca.log" 2>/dev/null && break; sleep 0.2; done

status=0
DUSKBELL_ORCA_LOG="$home/orca.log" "$@" || status=$?
sleep 1
# Orca does not end on a plain kill while it waits on its speech service.
kill -9 $orca 2>/dev/null; wait $orca 2>/dev/null || true

if [ -n "$ORCA_SPOKEN" ]; then cp "$home/orca.log" "$ORCA_SPOKEN"; fi
exit $status
