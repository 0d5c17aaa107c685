#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes the game's menu icons: the hand-drawn SVG rendered to PNG at every
# size the hicolor theme offers for applications, beside it in packaging/icons.
# Needs: rsvg-convert (librsvg2-bin).  Rerunning gives the same files.
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
icons="$here/packaging/icons/hicolor"
name=org.example.ossaria.kelvask
source="$icons/scalable/apps/$name.svg"

for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "$icons/${size}x$size/apps"
    rsvg-convert --width "$size" --height "$size" --format png \
        --output "$icons/${size}x$size/apps/$name.png" "$source"
done
