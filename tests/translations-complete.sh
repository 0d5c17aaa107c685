#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails unless every language's file translates every text of the code, each
# one finished, and holds nothing the code no longer has. Qt's lupdate brings
# a copy of each file up to date with the code and counts what was new and
# what is obsolete; lrelease counts what is unfinished or untranslated.
# usage: translations-complete.sh <lupdate> <lrelease> <file.ts>... -- <source folder>...
set -eu
lupdate=$1 lrelease=$2
shift 2
files=
while [ "$1" != "--" ]; do files="$files $1"; shift; done
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The count in the line that matches, or 0 when lupdate or lrelease leaves
# the line out.
count() { sed -n "s/.*$1.*/\\1/p" | head -n 1 | grep . || echo 0; }
failed=0
for file in $files; do
    copy=$work/$(basename "$file")
    cp "$file" "$copy"
    updated=$("$lupdate" -locations none "$@" -ts "$copy" 2>&1)
    released=$("$lrelease" "$copy" -qm "$work/compiled.qm" 2>&1)
    texts=$(echo "$updated" | count 'Found \([0-9]*\) source text')
    new=$(echo "$updated" | count '(\([0-9]*\) new and')
    obsolete=$(echo "$updated" | count 'Kept \([0-9]*\) obsolete')
    finished=$(echo "$released" | count '(\([0-9]*\) finished')
    unfinished=$(echo "$released" | count 'and \([0-9]*\) unfinished')
    untranslated=$(echo "$released" | count 'Ignored \([0-9]*\) untranslated')
    echo "$(basename "$file"): $texts texts, $new new, $obsolete obsolete;" \
         "$finished finished, $unfinished unfinished, $untranslated untranslated"
    if [ "$texts" -eq 0 ] || [ "$new" -ne 0 ] || [ "$obsolete" -ne 0 ] \
        || [ "$unfinished" -ne 0 ] || [ "$untranslated" -ne 0 ] || [ "$finished" -ne "$texts" ]; then
        printf '%s\n%s\n' "$updated" "$released" | grep -v '^Scanning' >&2
        failed=1
    fi
done
exit $failed
