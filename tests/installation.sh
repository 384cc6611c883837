#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
# installation.sh BUILD: what `cmake --install` puts in place, valid for the desktop; the
# installed program finding its clip where it was unpacked; the Debian package, what it holds and
# what Debian's checker says of it; the Windows version record.
set -eu
[ -z "${SALVANOR_OUTILS_MANQUANTS:-}" ] || { echo "SKIP   : not found when the build was configured: $SALVANOR_OUTILS_MANQUANTS"; exit 0; }
b=$1 id=example.salvanor.degagements
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
fichiers() { find "$1" -type f -printf '%P\n' 2> /dev/null | sort; }

DESTDIR=$t/dest cmake --install "$b" --prefix /usr > /dev/null
attendu=$(printf '%s\n' bin/salvanor-degagements share/applications/$id.desktop share/mime/packages/$id.xml \
    share/metainfo/$id.metainfo.xml share/salvanor-degagements/sanim.gif share/man/man1/salvanor-degagements.1.gz \
    share/doc/salvanor-degagements/copyright share/doc/salvanor-degagements/changelog.gz \
    $(for c in 16 32 48 64 128 256; do echo share/icons/hicolor/${c}x$c/apps/$id.png; done) | sort)
[ "$(fichiers "$t/dest/usr")" = "$attendu" ] || { fichiers "$t/dest/usr"; exit 1; }
desktop-file-validate "$t/dest/usr/share/applications/$id.desktop"
# The desktop knows a study by its name, and the menu entry opens it.
mkdir -p "$t/mime/packages" && cp "$t/dest/usr/share/mime/packages/$id.xml" "$t/mime/packages/"
update-mime-database "$t/mime" > /dev/null 2>&1
grep -qx 'application/x-salvanor-etude:\*\.salvanor' "$t/mime/globs"
grep -qx 'MimeType=application/x-salvanor-etude;' "$t/dest/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$t/dest/usr/share/metainfo/$id.metainfo.xml" > /dev/null

QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES=salvanor.demarrage.debug=true \
    timeout 3 "$t/dest/usr/bin/salvanor-degagements" > "$t/journal" 2>&1 || true
grep -qF "clip: $t/dest/usr/share/salvanor-degagements/sanim.gif (trouvé)" "$t/journal"

cpack -G DEB --config "$b/CPackConfig.cmake" -B "$t/paquet" > /dev/null
lintian --fail-on error,warning "$t"/paquet/*.deb
dpkg-deb -f "$t"/paquet/*.deb Depends | grep -E 'libqt6widgets6.*' | grep fonts-liberation | grep -q libcups2
[ "$(dpkg-deb -c "$t"/paquet/*.deb | awk '!/\/$/ { sub("^\\./usr/", "", $6); print $6 }' | sort)" = "$attendu" ]

# Its strings are UTF-16, in the French block (040C, code page 1200).
x86_64-w64-mingw32-windres --preprocessor=cpp -i "$b/salvanor.rc" -o "$t/salvanor.o"
for texte in 040C04B0:1 "SalvaNOR Dégagements.exe":1 1.00:2; do # and how often: file, product
    printf '%s' "${texte%:*}" | iconv -f UTF-8 -t UTF-16LE > "$t/motif"
    [ "$(grep -oaF -f "$t/motif" "$t/salvanor.o" | wc -l)" = "${texte#*:}" ] || { echo "$texte"; exit 1; }
done
