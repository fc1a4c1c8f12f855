#!/usr/bin/env bash
# Makes agenda/Avviso.mp3, the agenda's alert: a soft two-note chime (E6 then
# C6, each a sine with a quieter octave above it, struck and fading away),
# about 1.5 seconds, mono, 48 kbit/s. Needs sox and lame
# (PRATOVIA_WITH_SOUND_TOOLS=1 scripts/setup.sh installs them).
set -euo pipefail
cd "$(dirname "$0")/.."
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# One struck note: the tone and its octave mixed 4 to 1, a 5 ms attack and a
# fade to silence over the whole length.
nota() { # nota FREQUENCY OCTAVE LENGTH FILE
  sox -n -r 44100 -c 2 "$4" synth "$3" sine "$1" sine "$2" remix 1v0.8,2v0.2 fade q 0.005 "$3" "$3"
}
nota 1318.51 2637.02 0.9 "$tmp/alta.wav"
nota 1046.50 2093.00 1.1 "$tmp/bassa.wav"
sox "$tmp/bassa.wav" "$tmp/bassa_dopo.wav" pad 0.22
sox -m "$tmp/alta.wav" "$tmp/bassa_dopo.wav" "$tmp/chime.wav" gain -n -3 reverb 20 50 60 channels 1 gain -n -3
lame --quiet -m m -b 48 "$tmp/chime.wav" agenda/Avviso.mp3
ls -l agenda/Avviso.mp3
