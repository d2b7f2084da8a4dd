#!/bin/sh
# A CUPS daemon of its own for the printer tests, under one folder:
#   private-cups.sh start DIR QUEUE   config, spool and logs in DIR, the socket
#                                     DIR/cups.sock, one cups-pdf queue QUEUE
#                                     whose PPD has 18 pt hardware margins and
#                                     whose PDFs go to DIR/out
#   private-cups.sh stop DIR QUEUE    stops that daemon and removes the queue's
#                                     cups-pdf configuration
# Exit code 77 when cupsd or cups-pdf is not installed, or when not run as
# root (the cups-pdf backend runs only as root).
# The cups-pdf backend reads its configuration only from /etc/cups, as
# cups-pdf-QUEUE.conf for a queue whose URI is cups-pdf:/QUEUE; that one
# file (named after the test's own queue) is written there and removed again.
set -eu
MODE="$1"
DIR="$2"
QUEUE="$3"
CONF="/etc/cups/cups-pdf-$QUEUE.conf"

case "$MODE" in
stop)
    if [ -f "$DIR/cupsd.pid" ]; then
        kill "$(cat "$DIR/cupsd.pid")" 2>/dev/null || true
        rm -f "$DIR/cupsd.pid"
    fi
    rm -f "$CONF"
    exit 0
    ;;
start) ;;
*)
    echo "usage: $0 start|stop DIR QUEUE" >&2
    exit 2
    ;;
esac

PPD_SOURCE=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -x /usr/sbin/cupsd ] || { echo "cupsd is not installed"; exit 77; }
[ -x /usr/lib/cups/backend/cups-pdf ] && [ -f "$PPD_SOURCE" ] || { echo "cups-pdf is not installed"; exit 77; }
[ "$(id -u)" -eq 0 ] || { echo "the cups-pdf backend runs only as root"; exit 77; }
[ -d /etc/cups ] || { echo "/etc/cups is missing"; exit 77; }

mkdir -p "$DIR/root/ppd" "$DIR/spool/tmp" "$DIR/cache" "$DIR/state" "$DIR/log" "$DIR/out" "$DIR/cups-pdf"
# Filters run as lp and must reach the spool and temporary files.
chmod 0755 "$DIR"
chmod 1777 "$DIR/spool/tmp" "$DIR/out" "$DIR/cups-pdf"

cat >"$DIR/root/cupsd.conf" <<EOF
Listen $DIR/cups.sock
LogLevel warn
Browsing Off
DefaultAuthType None
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
cat >"$DIR/root/cups-files.conf" <<EOF
ServerRoot $DIR/root
RequestRoot $DIR/spool
TempDir $DIR/spool/tmp
CacheDir $DIR/cache
StateDir $DIR/state
ErrorLog $DIR/log/error_log
AccessLog $DIR/log/access_log
PageLog $DIR/log/page_log
FileDevice No
EOF
cat >"$CONF" <<EOF
Out $DIR/out
AnonDirName $DIR/out
Spool $DIR/cups-pdf
Log $DIR/log
Grp root
UserPrefix
LogType 1
EOF

# 18 pt unprintable on every side of every paper, as an office printer has;
# a postcard size besides the PPD's own.
awk '
/^\*HWMargins:/ { print "*HWMargins: 18 18 18 18"; next }
/^\*ImageableArea / {
    match($0, /"[^"]*"/); split(substr($0, RSTART + 1, RLENGTH - 2), box, " ")
    printf "%s\"18 18 %d %d\"\n", substr($0, 1, RSTART - 1), box[3] - 18, box[4] - 18; next
}
/^\*PageSize A4\// { print; print "*PageSize Postcard/Postcard: \"<</PageSize[283 420]/ImagingBBox null>>setpagedevice\""; next }
/^\*PageRegion A4\// { print; print "*PageRegion Postcard/Postcard: \"<</PageSize[283 420]/ImagingBBox null>>setpagedevice\""; next }
/^\*ImageableArea A4\// { }
/^\*PaperDimension A4\// { print; print "*PaperDimension Postcard/Postcard: \"283 420\""; next }
{ print }
' "$PPD_SOURCE" >"$DIR/margins.ppd.tmp"
awk '
/^\*ImageableArea A4\// { print; print "*ImageableArea Postcard/Postcard: \"18 18 265 402\""; next }
{ print }
' "$DIR/margins.ppd.tmp" >"$DIR/margins.ppd"
rm -f "$DIR/margins.ppd.tmp"

/usr/sbin/cupsd -f -c "$DIR/root/cupsd.conf" -s "$DIR/root/cups-files.conf" </dev/null >>"$DIR/log/cupsd.out" 2>&1 &
echo $! >"$DIR/cupsd.pid"
for _ in $(seq 100); do
    [ -S "$DIR/cups.sock" ] && break
    sleep 0.05
done
[ -S "$DIR/cups.sock" ] || { echo "cupsd did not start:"; cat "$DIR/log/error_log" 2>/dev/null; exit 1; }

export CUPS_SERVER="$DIR/cups.sock"
/usr/sbin/lpadmin -p "$QUEUE" -E -v "cups-pdf:/$QUEUE" -P "$DIR/margins.ppd"
/usr/sbin/lpadmin -d "$QUEUE"
