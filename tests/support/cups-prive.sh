#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
# cups-prive.sh DIR PID: a print scheduler all in DIR (socket DIR/cups.sock), gone with process PID;
# prints its own PID. Its queues take PDF as it is, on A4, and write each job to DIR/travaux/: the
# default one printable from 36 pt left and 50 pt down (ImageableArea 36 30 565 792), the others
# too narrow or too short for a study's pages.
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
/usr/sbin/cupsd -f -c "$d/cupsd.conf" -s "$d/cups-files.conf" 2> "$d/journal" &
cupsd=$!
(while kill -0 "$2"; do sleep 1; done; kill -CONT $cupsd; kill $cupsd) > /dev/null 2>&1 &
export CUPS_SERVER="$d/cups.sock"
for _ in $(seq 100); do lpstat -r 2> /dev/null | grep -q 'is running' && break || sleep 0.1; done
# ajouter_file NAME "LLX LLY URX URY": a queue printing in that area, points from the bottom-left.
ajouter_file() {
    printf '%s\n' '*PPD-Adobe: "4.3"' '*cupsFilter2: "application/pdf application/pdf 0 -"' \
        '*DefaultPageSize: A4' '*PageSize A4: ""' '*DefaultImageableArea: A4' \
        "*ImageableArea A4: \"$2\"" '*DefaultPaperDimension: A4' \
        '*PaperDimension A4: "595 842"' > "$d/$1.ppd"
    lpadmin -p "$1" -E -v capture:/ -P "$d/$1.ppd" 2> /dev/null
}
ajouter_file salvanor-test "36 30 565 792"
ajouter_file salvanor-etroite "60 30 540 792"
ajouter_file salvanor-courte "36 150 565 792"
lpadmin -d salvanor-test
echo $cupsd
