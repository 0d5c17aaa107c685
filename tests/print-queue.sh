#!/bin/sh
# Sets up, and afterwards removes, a PDF print queue for the printing tests.
#
#   print-queue.sh setup   STATE_DIR QUEUE
#   print-queue.sh cleanup STATE_DIR QUEUE
#
# setup starts the print scheduler when none is running, adds QUEUE as a
# cups-pdf queue that writes its PDF files to STATE_DIR/out, and records in
# STATE_DIR what it did. cleanup undoes exactly that. The tests pick the queue
# as their default printer through the PRINTER variable, so the machine's own
# default printer is never changed.
set -eu

action=$1
state=$2
queue=$3
config=/etc/cups/cups-pdf-$queue.conf

scheduler_running() {
    lpstat -r 2>/dev/null | grep -q 'is running'
}

setup() {
    for tool in cupsd lpadmin lpstat; do
        command -v "$tool" >/dev/null || { echo "print-queue: $tool is not installed" >&2; exit 1; }
    done
    [ -x /usr/lib/cups/backend/cups-pdf ] || { echo "print-queue: the cups-pdf backend is not installed" >&2; exit 1; }
    ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
    [ -f "$ppd" ] || { echo "print-queue: $ppd is missing" >&2; exit 1; }

    rm -rf "$state"
    mkdir -p "$state/out"
    chmod 0777 "$state/out"

    if ! scheduler_running; then
        # Run in the foreground of a background job, with every stream
        # redirected, so that its process id is ours to stop and no pipe of
        # the test runner stays open.
        cupsd -f </dev/null >"$state/cupsd.log" 2>&1 &
        echo $! >"$state/cupsd.pid"
        tries=0
        until scheduler_running; do
            tries=$((tries + 1))
            if [ "$tries" -gt 100 ]; then
                echo "print-queue: the print scheduler did not start" >&2
                cat "$state/cupsd.log" >&2
                exit 1
            fi
            sleep 0.1
        done
    fi

    # cups-pdf reads cups-pdf-QUEUE.conf for a queue whose device is
    # cups-pdf:/QUEUE, so this queue writes into our folder whoever prints.
    cat >"$config" <<CONF
Out $state/out
AnonDirName $state/out
Label 0
CONF
    touch "$state/added-config"

    lpadmin -p "$queue" -E -v "cups-pdf:/$queue" -P "$ppd"
    touch "$state/added-queue"
}

cleanup() {
    if [ -f "$state/added-queue" ]; then
        lpadmin -x "$queue" || true
    fi
    if [ -f "$state/added-config" ]; then
        rm -f "$config"
    fi
    if [ -f "$state/cupsd.pid" ]; then
        pid=$(cat "$state/cupsd.pid")
        kill "$pid" 2>/dev/null || true
        tries=0
        while kill -0 "$pid" 2>/dev/null && [ "$tries" -lt 50 ]; do
            tries=$((tries + 1))
            sleep 0.1
        done
    fi
    rm -rf "$state"
}

case "$action" in
    setup) setup ;;
    cleanup) cleanup ;;
    *) echo "usage: $0 setup|cleanup STATE_DIR QUEUE" >&2; exit 2 ;;
esac
