#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
# cups-prive.sh DIR PID: a print scheduler all in DIR (socket DIR/cups.sock), gone with process PID;
# prints its own PID. Its default queue takes PDF as it is, on A4 printable from 36 pt left and
# 50 pt down (ImageableArea 36 30 565 792), and writes each job to DIR/travaux/.
set -eu
d=$1
mkdir -p "$d/bin/backend" "$d/spool" "$d/tmp" "$d/travaux"
ln -s /usr/lib/cups/daemon "$d/bin/daemon"
printf '%s\n' "Listen $d/cups.sock" 'Browsing No' 'DefaultAuthType None' '<Policy default>' \
    '<Limit All>' 'Order deny,allow' '</Limit>' '</Policy>' > "$d/cupsd.conf"
printf '%s\n' "ServerRoot $d" "CacheDir $d" "StateDir $d" "ServerBin $d/bin" "TempDir $d/tmp" \
    "RequestRoot $d/spool" 'ErrorLog stderr' 'AccessLog stderr' 'PageLog stderr' > "$d/cups-files.conf"
# Mode 0700: a scheduler running as root runs its backend as root too.
printf '#!/bin/sh\n[ $# -eq 0 ] && exit 0\ncat "${6:--}" > %s/$1.part && mv %s/$1.part %s/$1.pdf\n' \
    "$d/travaux" "$d/travaux" "$d/travaux" > "$d/bin/backend/capture"
chmod 700 "$d/bin/backend/capture"
printf '%s\n' '*PPD-Adobe: "4.3"' '*cupsFilter2: "application/pdf application/pdf 0 -"' \
    '*DefaultPageSize: A4' '*PageSize A4: ""' '*DefaultImageableArea: A4' \
    '*ImageableArea A4: "36 30 565 792"' '*DefaultPaperDimension: A4' \
    '*PaperDimension A4: "595 842"' > "$d/capture.ppd"
/usr/sbin/cupsd -f -c "$d/cupsd.conf" -s "$d/cups-files.conf" 2> "$d/journal" &
cupsd=$!
(while kill -0 "$2"; do sleep 1; done; kill -CONT $cupsd; kill $cupsd) > /dev/null 2>&1 &
export CUPS_SERVER="$d/cups.sock"
for _ in $(seq 100); do lpstat -r 2> /dev/null | grep -q 'is running' && break || sleep 0.1; done
lpadmin -p salvanor-test -E -v capture:/ -P "$d/capture.ppd" 2> /dev/null
lpadmin -d salvanor-test
echo $cupsd
