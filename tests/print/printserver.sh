#!/bin/sh
# A private print server for the print tests: its own cupsd, reached only through
# DIR/run/cups.sock, with one PDF printer (cups-pdf) whose files land in DIR/pdf. Nothing here
# touches the machine's own print server or its printers.
#
#   printserver.sh start DIR                        start it, the PDF printer the default
#   printserver.sh state DIR default|nodefault|none the printer as default, present but not
#                                                   the default, or no printer at all
#   printserver.sh stop DIR                         stop it and remove what it left outside DIR
#
# cupsd refuses to run its filters as root, so they run as lp, and lp must reach the spool,
# the printer's description and the output: a checkout may lie below a private folder (mode
# 0700, as mktemp -d and Debian's home folders make them). So the server's files live in a
# folder of their own under /tmp, made afresh for each start and removed at the stop; DIR holds
# the socket, the queue's name, the way to that folder, and DIR/pdf leads into it. Queue and
# folder names are new for each start, so that test runs side by side never share one.
# cups-pdf reads its settings from /etc/cups/cups-pdf-<queue>.conf when the printer's URI is
# cups-pdf:/<queue>, which is how its output is sent there rather than into the submitting
# user's ~/PDF.
set -eu

command=${1:?command}
dir=${2:?folder}
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
socket="$dir/run/cups.sock"
export CUPS_SERVER="$socket"
unset PRINTER LPDEST
# What the last start made: the server's folder and its queue (empty when none runs).
state=$(cat "$dir/state" 2>/dev/null || true)
queue=$(cat "$dir/queue" 2>/dev/null || true)

fail() { echo "printserver: $*" >&2; exit 1; }

add_printer() {
    lpadmin -p "$queue" -v "cups-pdf:/$queue" -m lsb/usr/cups-pdf/CUPS-PDF_noopt.ppd -E \
        2>/dev/null || fail "cannot add the printer $queue"
}

stop_server() {
    if [ -n "$state" ] && [ -f "$state/run/cupsd.pid" ]; then
        pid=$(cat "$state/run/cupsd.pid")
        # Only the server this folder started: its pid file and its configuration.
        if kill -0 "$pid" 2>/dev/null && grep -q "$state/cupsd.conf" "/proc/$pid/cmdline" 2>/dev/null; then
            kill "$pid"
            i=0
            while kill -0 "$pid" 2>/dev/null && [ $i -lt 50 ]; do sleep 0.1; i=$((i + 1)); done
        fi
    fi
    if [ -n "$queue" ]; then rm -f "/etc/cups/cups-pdf-$queue.conf"; fi
    # Only a folder this script made.
    case "$state" in /tmp/vendral-print.*) rm -rf "$state" ;; esac
    rm -rf "$dir/run" "$dir/pdf" "$dir/state" "$dir/queue"
    state=""
    queue=""
}

case "$command" in
start)
    [ "$(id -u)" -eq 0 ] || fail "needs root (cupsd switches to the user lp)"
    command -v cupsd >/dev/null || fail "cupsd is not installed (Debian package cups)"
    [ -x /usr/lib/cups/backend/cups-pdf ] || fail "cups-pdf is not installed (printer-driver-cups-pdf)"
    stop_server
    state=$(mktemp -d /tmp/vendral-print.XXXXXX)
    chmod 755 "$state"
    queue="vendral-test-${state##*.}"
    mkdir -p "$dir/run" "$state/run" "$state/spool/tmp" "$state/cache" "$state/log" \
        "$state/pdf" "$state/ppd"
    echo "$state" >"$dir/state"
    echo "$queue" >"$dir/queue"
    ln -s "$state/pdf" "$dir/pdf"
    cat >"$state/cupsd.conf" <<CONF
Listen $socket
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
    cat >"$state/cups-files.conf" <<CONF
User lp
Group lp
SystemGroup root
ServerRoot $state
StateDir $state/run
CacheDir $state/cache
RequestRoot $state/spool
TempDir $state/spool/tmp
ServerBin /usr/lib/cups
DataDir /usr/share/cups
AccessLog $state/log/access_log
ErrorLog $state/log/error_log
PageLog $state/log/page_log
FileDevice No
CONF
    cat >"/etc/cups/cups-pdf-$queue.conf" <<CONF
Out $state/pdf
Spool $state/cups-pdf-spool
Log $state/log
Label 1
Grp root
CONF
    chown -R lp:lp "$state/run" "$state/spool" "$state/cache" "$state/log"
    # cupsd in the foreground of a background shell, its output in the log, so the caller's
    # output pipes close at once.
    setsid cupsd -f -c "$state/cupsd.conf" -s "$state/cups-files.conf" \
        >"$state/log/cupsd.out" 2>&1 </dev/null &
    i=0
    until [ -S "$socket" ] && lpstat -r >/dev/null 2>&1; do
        i=$((i + 1))
        [ $i -lt 100 ] || { cat "$state/log/cupsd.out" "$state/log/error_log" 2>/dev/null >&2; fail "cupsd did not start"; }
        sleep 0.1
    done
    add_printer
    lpadmin -d "$queue"
    echo "printserver: $queue on $socket, files in $state"
    ;;
state)
    [ -S "$socket" ] && [ -n "$queue" ] || fail "not running in $dir"
    for printer in $(lpstat -e 2>/dev/null); do lpadmin -x "$printer"; done
    case "${3:?state}" in
    default) add_printer; lpadmin -d "$queue" ;;
    nodefault) add_printer ;;
    none) ;;
    *) fail "unknown state $3" ;;
    esac
    ;;
stop)
    stop_server
    ;;
*)
    fail "unknown command $command"
    ;;
esac
