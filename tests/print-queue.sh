#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, and afterwards removes, a PDF print queue for the printing tests.
#   print-queue.sh setup|cleanup STATE_DIR QUEUE
# setup starts the print scheduler when none is running, adds QUEUE as a
# cups-pdf queue that writes its PDF files to STATE_DIR/out, and records in
# STATE_DIR what it did; cleanup undoes exactly that. The tests pick the queue
# through the PRINTER variable, so the machine's default printer never changes.
set -eu
state=$2
queue=$3
config=/etc/cups/cups-pdf-$queue.conf
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

fail() { echo "print-queue: $*" >&2; exit 1; }
scheduler_running() { lpstat -r 2>/dev/null | grep -q 'is running'; }

setup() {
    command -v cupsd >/dev/null && command -v lpadmin >/dev/null || fail "the print system (cups) is not installed"
    [ -x /usr/lib/cups/backend/cups-pdf ] || fail "the cups-pdf backend is not installed"
    [ -f "$ppd" ] || fail "$ppd is missing"
    rm -rf "$state"
    mkdir -p "$state/out"
    chmod 0777 "$state/out"

    if ! scheduler_running; then
        # In the foreground of a background job with every stream redirected:
        # its process id is ours to stop and no pipe of the test runner stays open.
        cupsd -f </dev/null >"$state/cupsd.log" 2>&1 &
        echo $! >"$state/cupsd.pid"
        for _ in $(seq 100); do scheduler_running && break; sleep 0.1; done
        scheduler_running || { cat "$state/cupsd.log" >&2; fail "the print scheduler did not start"; }
    fi

    # cups-pdf reads cups-pdf-QUEUE.conf for a queue whose device is
    # cups-pdf:/QUEUE, so this queue writes into our folder whoever prints.
    printf 'Out %s\nAnonDirName %s\nLabel 0\n' "$state/out" "$state/out" >"$config"
    touch "$state/added-config"
    lpadmin -p "$queue" -E -v "cups-pdf:/$queue" -P "$ppd"
    touch "$state/added-queue"
}

cleanup() {
    [ -f "$state/added-queue" ] && { lpadmin -x "$queue" || true; }
    [ -f "$state/added-config" ] && rm -f "$config"
    if [ -f "$state/cupsd.pid" ]; then
        pid=$(cat "$state/cupsd.pid")
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null && sleep 0.1 || break; done
    fi
    rm -rf "$state"
}

case "$1" in
    setup) setup ;;
    cleanup) cleanup ;;
    *) echo "usage: $0 setup|cleanup STATE_DIR QUEUE" >&2; exit 2 ;;
esac
