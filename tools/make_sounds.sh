#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Synthesises La Numerella's short sound clips (resources/sounds/*.wav) with sox.
#
# Usage: tools/make_sounds.sh   (run from anywhere; needs only sox)
#
# Every clip is written as RIFF WAVE, PCM, mono, 8-bit unsigned.  Each one
# ends with a stretch of silence, because the audio backend tends to swallow
# the last ~100 ms of a clip.  Dithering is disabled (-D) so the output is
# byte-for-byte the same on every run.

set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out_dir="$here/../resources/sounds"
mkdir -p "$out_dir"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Intermediate notes are rendered at 16 bits and a common working rate;
# only the final mix is converted to the clip's own rate and to 8 bits.
WORK_RATE=44100

# note FILE FREQ START LENGTH ATTACK RELEASE [H2 [H3 [VOL]]]
#   A soft tone: sine fundamental plus optional 2nd/3rd harmonics (relative
#   volumes H2, H3), quarter-sine attack and release, delayed by START seconds.
#   VOL (default 1) scales the whole note, so chords can be balanced against
#   single notes.
note() {
    local file=$1 freq=$2 start=$3 len=$4 attack=$5 release=$6
    local h2=${7:-0.25} h3=${8:-0.08} vol=${9:-1}
    local f2 f3
    f2=$(awk -v f="$freq" 'BEGIN { printf "%.3f", f * 2 }')
    f3=$(awk -v f="$freq" 'BEGIN { printf "%.3f", f * 3 }')
    sox -D -r "$WORK_RATE" -c 3 -n -b 16 -c 1 "$file" \
        synth "$len" sine "$freq" sine "$f2" sine "$f3" \
        remix "1v$(awk -v v="$vol" 'BEGIN { printf "%.3f", v * 0.6 }'),2v$(awk -v h="$h2" -v v="$vol" 'BEGIN { printf "%.3f", h * v * 0.6 }'),3v$(awk -v h="$h3" -v v="$vol" 'BEGIN { printf "%.3f", h * v * 0.6 }')" \
        fade q "$attack" "$len" "$release" \
        pad "$start" 0
}

# bell FILE FREQ START LENGTH
#   A bell-like tone: fast attack, long decay that gets steeper towards the
#   end (two fades multiplied), with a faint inharmonic partial for shimmer.
bell() {
    local file=$1 freq=$2 start=$3 len=$4
    local f2 f3
    f2=$(awk -v f="$freq" 'BEGIN { printf "%.3f", f * 2 }')
    f3=$(awk -v f="$freq" 'BEGIN { printf "%.3f", f * 2.76 }')
    sox -D -r "$WORK_RATE" -c 3 -n -b 16 -c 1 "$file" \
        synth "$len" sine "$freq" sine "$f2" sine "$f3" \
        remix 1v0.6,2v0.15,3v0.05 \
        fade h 0.004 "$len" "$len" \
        fade q 0 "$len" "$(awk -v l="$len" 'BEGIN { printf "%.3f", l * 0.7 }')" \
        pad "$start" 0
}

# finish RATE OUTFILE PAD PEAK FILES...
#   Mixes the notes, normalises the peak to PEAK dBFS (e.g. -3), appends PAD
#   seconds of silence and writes the 8-bit unsigned mono clip at RATE.
finish() {
    local rate=$1 outfile=$2 pad=$3 peak=$4
    shift 4
    local inputs=()
    if [ $# -gt 1 ]; then
        inputs=(-m "$@")
    else
        inputs=("$1")
    fi
    sox -D "${inputs[@]}" -r "$rate" -b 8 -e unsigned-integer -c 1 -t wav "$outfile" \
        rate -v "$rate" gain -n "$peak" pad 0 "$pad"
}

# Note frequencies (equal temperament, A4 = 440 Hz).
G4=392.00; C5=523.25; E5=659.25; G5=783.99
C6=1046.50; E6=1318.51; G6=1567.98; A4=440.00; E4=329.63; F5=698.46

# --- 101: game finished, a bright fanfare ----------------------------------
# Ascending arpeggio C5 E5 G5 C6, then a held C major chord.
n=0
for step in "$C5 0.00" "$E5 0.15" "$G5 0.30" "$C6 0.45"; do
    read -r freq start <<<"$step"
    note "$work/101_$n.wav" "$freq" "$start" 0.20 0.010 0.08 0.30 0.10
    n=$((n + 1))
done
for f in $C5 $E5 $G5 $C6; do
    note "$work/101_$n.wav" "$f" 0.62 1.98 0.04 1.10 0.25 0.06 0.4
    n=$((n + 1))
done
finish 11025 "$out_dir/101.wav" 0.2 -3 "$work"/101_*.wav

# --- 102: key click, a short soft tick -------------------------------------
# Two quickly decaying partials (woody tick), 25 ms long, kept quiet.
bell "$work/102_0.wav" 1400 0 0.025
bell "$work/102_1.wav" 2300 0 0.015
finish 11025 "$out_dir/102.wav" 0.095 -9 "$work"/102_*.wav

# --- 103: wrong answer, two soft falling tones ("try again") ---------------
note "$work/103_0.wav" "$A4" 0.00 0.21 0.020 0.08 0.15 0.03
note "$work/103_1.wav" "$E4" 0.23 0.24 0.020 0.14 0.15 0.03
finish 22050 "$out_dir/103.wav" 0.2 -5 "$work"/103_*.wav

# --- 105: right answer, three rising bell tones ----------------------------
bell "$work/105_0.wav" "$C6" 0.00 0.60
bell "$work/105_1.wav" "$E6" 0.12 0.70
bell "$work/105_2.wav" "$G6" 0.24 0.76
finish 22254 "$out_dir/105.wav" 0.2 -3 "$work"/105_*.wav

# --- 106: game start, a friendly little jingle -----------------------------
n=0
for step in "$G4 0.00 0.11" "$C5 0.13 0.11" "$E5 0.26 0.11" "$F5 0.39 0.11"; do
    read -r freq start len <<<"$step"
    note "$work/106_$n.wav" "$freq" "$start" "$len" 0.008 0.05 0.30 0.10
    n=$((n + 1))
done
for f in $E5 $G5 $C6; do
    note "$work/106_$n.wav" "$f" 0.52 0.42 0.010 0.30 0.25 0.06 0.45
    n=$((n + 1))
done
finish 11025 "$out_dir/106.wav" 0.2 -3 "$work"/106_*.wav

echo "Sounds written to $out_dir"
