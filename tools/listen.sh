#!/usr/bin/env bash
# Runs the program with the Orca screen reader on a virtual display, presses
# keys as a keyboard-only learner would and prints what Orca says (the
# SPEECH OUTPUT lines of its debug file), so a change to what is spoken can
# be heard without a desktop.
#
#   tools/listen.sh BUILD_DIR [STEP ...]
#
# A step is an xdotool key ("Down", "Return", "alt+5", "ctrl+r"), "type:TEXT"
# for typed text, "wait:SECONDS", or "focus" to give the main window the
# focus again after a dialog has closed. Example:
#   tools/listen.sh build Down alt+r type:4.7 alt+v wait:3
# LISTEN_DEBUG=FILE keeps Orca's whole debug file there (the events it got,
# in order, and what it made of them).
# Needs: tools/install-deps.sh xvfb xdotool at-spi2-core dbus orca \
#        speech-dispatcher-espeak-ng locales
set -euo pipefail

if [[ "${LISTEN_INSIDE:-}" != 1 ]]; then
    build=$(realpath "${1:?build folder}")
    shift
    work=$(mktemp -d)
    display=:$((90 + RANDOM % 100))
    Xvfb "$display" -screen 0 1280x1024x24 >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
    sleep 2
    LISTEN_INSIDE=1 LISTEN_WORK="$work" LISTEN_BUILD="$build" DISPLAY="$display" \
        dbus-run-session -- "$0" "$@" 2>/dev/null
    [[ -n "${LISTEN_DEBUG:-}" ]] && cp "$work/orca.debug" "$LISTEN_DEBUG"
    grep -m1 -o "SD rate .*language [^ ]*" "$work/orca.debug" || true
    # An utterance of several lines runs on to the voice settings after it.
    awk '/SPEECH OUTPUT: / { sub(/^.*SPEECH OUTPUT: /, ""); speaking = 1 }
         speaking { line = $0; sub(/\{.established.*/, "", line); print line }
         /\{.established/ { speaking = 0 }' "$work/orca.debug"
    exit 0
fi

# Inside a session bus of its own: a home of its own, speech into no sound
# card, the accessibility bus, Orca, the program.
work=$LISTEN_WORK
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/run
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_RUNTIME_DIR" "$work/locale"
chmod 700 "$XDG_RUNTIME_DIR"
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"
cp /etc/speech-dispatcher/speechd.conf "$XDG_CONFIG_HOME/speech-dispatcher/"
printf 'AudioOutputMethod "alsa"\nDefaultModule espeak-ng\nDefaultLanguage "ko"\n' \
    >>"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
sleep 1
# Orca speaks in the language of its locale, as on a Korean learner's
# desktop: its own words in Korean (as far as its Korean catalogue goes:
# "selected" for an option and "List with N items" are not in it) and every
# text in espeak-ng's Korean voice. The speech server refuses a locale the C library lacks, so the
# Korean one is built here, for these programs only.
localedef -i ko_KR -f UTF-8 "$work/locale/ko_KR.UTF-8" 2>/dev/null
LOCPATH=$work/locale LANG=ko_KR.UTF-8 LANGUAGE=ko \
    orca --debug-file="$work/orca.debug" >"$work/orca.log" 2>&1 &
orca=$!
# Ready when it has said so; on a busy machine that takes far longer than
# its usual few seconds.
for _ in $(seq 120); do
    grep -q "SPEECH OUTPUT" "$work/orca.debug" 2>/dev/null && break
    sleep 0.5
done
sleep 1
"$LISTEN_BUILD/pallado" >"$work/pallado.log" 2>&1 &
program=$!
sleep 3
xdotool search --sync --name '^Pallado$' windowfocus --sync 2>/dev/null || true
sleep 1
for step in "$@"; do
    case "$step" in
    type:*) xdotool type -- "${step#type:}" ;;
    # With no window manager, a closed dialog leaves no window focused.
    focus) xdotool search --name '^Pallado$' windowfocus 2>/dev/null || true ;;
    wait:*) sleep "${step#wait:}" ;;
    *+*)
        # Held apart, or the screen reader's key handling lets the
        # modifier arrive alone and open the menu bar.
        modifier=${step%%+*}
        case "$modifier" in alt) modifier=Alt_L ;; ctrl) modifier=Control_L ;; shift) modifier=Shift_L ;; esac
        xdotool keydown "$modifier"
        sleep 0.3
        xdotool key "${step#*+}"
        sleep 0.3
        xdotool keyup "$modifier"
        ;;
    *) xdotool key "$step" ;;
    esac
    sleep 1.5
done
sleep 2
kill "$program" 2>/dev/null || true
kill -9 "$orca" 2>/dev/null || true
speechd=$(pgrep -f "socket-path $XDG_RUNTIME_DIR/speech-dispatcher" || true)
[[ -n "$speechd" ]] && kill -9 $speechd
exit 0
