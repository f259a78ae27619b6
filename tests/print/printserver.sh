#!/bin/sh
# A private print server for the print tests: its own cupsd, configured and spooled under DIR,
# reached only through DIR/run/cups.sock, with one PDF printer (cups-pdf) whose files land in
# DIR/pdf. Nothing here touches the machine's own print server or its printers.
#
#   printserver.sh start DIR                        start it, the PDF printer the default
#   printserver.sh state DIR default|nodefault|none the printer as default, present but not
#                                                   the default, or no printer at all
#   printserver.sh stop DIR                         stop it and remove what it left outside DIR
#
# cupsd refuses to run its filters as root, so the server runs as lp; cups-pdf reads its
# settings from /etc/cups/cups-pdf-<queue>.conf when the printer's URI is cups-pdf:/<queue>,
# which is how its output is sent into DIR rather than into the submitting user's ~/PDF.
set -eu

command=${1:?command}
dir=${2:?folder}
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
# One queue name per folder, so two build trees can run their tests side by side.
queue="vendral-test-$(printf '%s' "$dir" | md5sum | cut -c1-8)"
socket="$dir/run/cups.sock"
export CUPS_SERVER="$socket"
unset PRINTER LPDEST

fail() { echo "printserver: $*" >&2; exit 1; }

add_printer() {
    lpadmin -p "$queue" -v "cups-pdf:/$queue" -m lsb/usr/cups-pdf/CUPS-PDF_noopt.ppd -E \
        2>/dev/null || fail "cannot add the printer $queue"
}

stop_server() {
    if [ -f "$dir/run/cupsd.pid" ]; then
        pid=$(cat "$dir/run/cupsd.pid")
        # Only the server this folder started: its pid file and its configuration.
        if kill -0 "$pid" 2>/dev/null && grep -q "$dir/cupsd.conf" "/proc/$pid/cmdline" 2>/dev/null; then
            kill "$pid"
            i=0
            while kill -0 "$pid" 2>/dev/null && [ $i -lt 50 ]; do sleep 0.1; i=$((i + 1)); done
        fi
        rm -f "$dir/run/cupsd.pid"
    fi
}

case "$command" in
start)
    [ "$(id -u)" -eq 0 ] || fail "needs root (cupsd switches to the user lp)"
    command -v cupsd >/dev/null || fail "cupsd is not installed (Debian package cups)"
    [ -x /usr/lib/cups/backend/cups-pdf ] || fail "cups-pdf is not installed (printer-driver-cups-pdf)"
    stop_server
    rm -rf "$dir/run" "$dir/spool" "$dir/cache" "$dir/log" "$dir/pdf" "$dir/cups-pdf-spool" \
        "$dir/printers.conf" "$dir/printers.conf.O" "$dir/ppd" "$dir/classes.conf" "$dir/subscriptions.conf"
    mkdir -p "$dir/run" "$dir/spool/tmp" "$dir/cache" "$dir/log" "$dir/pdf" "$dir/ppd"
    cat >"$dir/cupsd.conf" <<CONF
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
    cat >"$dir/cups-files.conf" <<CONF
User lp
Group lp
SystemGroup root
ServerRoot $dir
StateDir $dir/run
CacheDir $dir/cache
RequestRoot $dir/spool
TempDir $dir/spool/tmp
ServerBin /usr/lib/cups
DataDir /usr/share/cups
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
FileDevice No
CONF
    cat >"/etc/cups/cups-pdf-$queue.conf" <<CONF
Out $dir/pdf
Spool $dir/cups-pdf-spool
Log $dir/log
Label 1
Grp root
CONF
    chown -R lp:lp "$dir/run" "$dir/spool" "$dir/cache" "$dir/log"
    chgrp lp "$dir"
    chmod 755 "$dir"
    # cupsd in the foreground of a background shell, its output in the log, so the caller's
    # output pipes close at once.
    setsid cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" \
        >"$dir/log/cupsd.out" 2>&1 </dev/null &
    i=0
    until [ -S "$socket" ] && lpstat -r >/dev/null 2>&1; do
        i=$((i + 1))
        [ $i -lt 100 ] || { cat "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null >&2; fail "cupsd did not start"; }
        sleep 0.1
    done
    add_printer
    lpadmin -d "$queue"
    echo "$queue" >"$dir/queue"
    echo "printserver: $queue on $socket"
    ;;
state)
    [ -S "$socket" ] || fail "not running in $dir"
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
    rm -f "/etc/cups/cups-pdf-$queue.conf"
    ;;
*)
    fail "unknown command $command"
    ;;
esac
