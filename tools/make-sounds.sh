#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes the game's fourteen sound cues in sounds/: a short tone figure from
# sox followed by a spoken word from espeak-ng, so that a player who is not
# looking at the board still hears what happened.
# Needs: espeak-ng, sox.  Run from anywhere; rerunning gives the same files.
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
out="$here/sounds"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rate=22050
# -R: repeatable noise and no random dither, so every run writes the same bytes.
sox_() { sox -R -V1 "$@"; }
format="-r $rate -c 1 -b 16 -e signed-integer"

# tone NAME SECONDS SYNTH-ARGS...: one synthesized figure, softened at both ends.
tone() {
    name=$1 seconds=$2
    shift 2
    # shellcheck disable=SC2086
    sox_ -n $format "$work/$name.wav" synth "$seconds" "$@" fade q 0.01 "$seconds" 0.04 gain -n -6
}

# speak NAME WORDS: the spoken cue, trimmed of the silence around it.
speak() {
    espeak-ng -v en-gb -s 185 -p 45 -a 160 -w "$work/$1.raw.wav" "$2"
    # shellcheck disable=SC2086
    sox_ "$work/$1.raw.wav" $format "$work/$1.wav" \
        silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse gain -n -3
}

# cue NAME PARTS...: the parts one after the other, written as sounds/NAME.wav.
cue() {
    name=$1
    shift
    set -- $(for part in "$@"; do printf '%s ' "$work/$part.wav"; done)
    sox_ "$@" $format "$out/$name.wav"
}

gap() { sox_ -n $format "$work/gap.wav" trim 0 0.04; }

mkdir -p "$out"
gap

# Tone figures.
tone up      0.16 sine 523:784
tone down    0.16 sine 784:392
tone chime   0.12 sine 1047
tone low     0.12 sine 330
tone shot    0.12 brownnoise lowpass 900
tone blast   0.30 brownnoise lowpass 500 overdrive 20
tone splash  0.25 pinknoise highpass 600 tremolo 18 60
tone fanfare 0.30 sine 523:1047
tone sad     0.30 sine 392:196

# Spoken words.
speak w_connected     "Connected"
speak w_disconnected  "Disconnected"
speak w_fire          "Fire"
speak w_hit           "Hit"
speak w_miss          "Miss"
speak w_newgame       "New game"
speak w_oppready      "Opponent ready"
speak w_position      "Position your ships"
speak w_thankyou      "Thank you"
speak w_waitconnect   "Waiting for connection"
speak w_waitopp       "Waiting for opponent"
speak w_youlose       "You lose"
speak w_yourturn      "Your turn"
speak w_youwin        "You win"

# "fire" is the shortest: an incoming shot waits for it.
cue fire           shot w_fire
cue hit            blast gap w_hit
cue missed         splash gap w_miss
cue connect        up gap w_connected
cue disconnected   down gap w_disconnected
cue newgame        chime gap w_newgame
cue oppready       chime gap w_oppready
cue positionships  chime gap w_position
cue thankyou       chime gap w_thankyou
cue waitingconnect low gap w_waitconnect
cue waitingopp     low gap w_waitopp
cue yourturn       up gap w_yourturn
cue youwin         fanfare gap w_youwin
cue youlose        sad gap w_youlose
