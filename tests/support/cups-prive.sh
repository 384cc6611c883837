#!/bin/sh
# cups-prive.sh DIR PID: a print scheduler of the tests' own, all of it in DIR, listening on
# DIR/cups.sock, stopped as soon as process PID (the test) is gone. One default queue,
# "salvanor-test": A4 with a printable area 18 pt from the left and 30 pt from the top, taking
# PDF as it is; its backend writes each job to DIR/travaux/. Prints the scheduler's PID.
set -eu
d=$1
mkdir -p "$d/ppd" "$d/ssl" "$d/bin/backend" "$d/spool" "$d/tmp" "$d/cache" "$d/etat" "$d/log" \
    "$d/travaux"
ln -s /usr/lib/cups/daemon "$d/bin/daemon"
cat > "$d/cupsd.conf" << FIN
Listen $d/cups.sock
Browsing No
WebInterface No
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
FIN
cat > "$d/cups-files.conf" << FIN
ServerRoot $d
ServerBin $d/bin
DataDir /usr/share/cups
RequestRoot $d/spool
TempDir $d/tmp
CacheDir $d/cache
StateDir $d/etat
AccessLog $d/log/access_log
ErrorLog $d/log/error_log
PageLog $d/log/page_log
SystemGroup root
FIN
# Mode 0700: a scheduler running as root runs the backend as root too.
cat > "$d/bin/backend/capture" << FIN
#!/bin/sh
[ \$# -eq 0 ] && { echo 'direct capture "Unknown" "Capture"'; exit 0; }
cat "\${6:--}" > "$d/travaux/\$1.part" && mv "$d/travaux/\$1.part" "$d/travaux/\$1.pdf"
FIN
chmod 700 "$d/bin/backend/capture"
cat > "$d/capture.ppd" << FIN
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "CAPTURE.PPD"
*Manufacturer: "Test"
*Product: "(Capture)"
*ModelName: "Capture"
*ShortNickName: "Capture"
*NickName: "Capture"
*cupsFilter2: "application/pdf application/pdf 0 -"
*OpenUI *PageSize: PickOne
*DefaultPageSize: A4
*PageSize A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageSize
*DefaultImageableArea: A4
*ImageableArea A4: "18 24 577 812"
*DefaultPaperDimension: A4
*PaperDimension A4: "595 842"
FIN
/usr/sbin/cupsd -f -c "$d/cupsd.conf" -s "$d/cups-files.conf" > "$d/log/cupsd.out" 2>&1 &
cupsd=$!
(while kill -0 "$2" 2> /dev/null; do sleep 1; done; kill -CONT "$cupsd"; kill "$cupsd") \
    > /dev/null 2>&1 &
export CUPS_SERVER="$d/cups.sock"
for _ in $(seq 100); do
    lpstat -r 2> /dev/null | grep -q 'is running' && break
    sleep 0.1
done
lpadmin -p salvanor-test -E -v capture:/ -P "$d/capture.ppd" 2> /dev/null
lpadmin -d salvanor-test
echo "$cupsd"
