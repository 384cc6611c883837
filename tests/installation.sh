#!/bin/sh
# installation.sh BUILD SOURCE: what `cmake --install` puts in place and that its desktop files
# validate; the installed program finding its clip where it was unpacked; the Debian package,
# installed into a root of its own and removed without a trace; the Windows version record.
set -eu
b=$1 s=$2 id=example.salvanor.degagements
for outil in cpack dpkg-deb desktop-file-validate appstreamcli x86_64-w64-mingw32-windres; do
    command -v "$outil" > /dev/null && continue
    echo "$outil introuvable : l'installation n'est pas vérifiée"
    [ -n "${SALVANOR_OUTILS_EXIGES:-}" ] && exit 1 || exit 77
done
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
fichiers() { (cd "$1" && find . -type f | sort); }

DESTDIR=$t/dest cmake --install "$b" --prefix /usr > /dev/null
attendu=$(for c in 128 16 256 32 48 64; do echo "./usr/share/icons/hicolor/${c}x$c/apps/$id.png"; done
    printf '%s\n' ./usr/bin/salvanor-degagements ./usr/share/applications/$id.desktop \
        ./usr/share/metainfo/$id.metainfo.xml ./usr/share/salvanor-degagements/sanim.gif)
[ "$(fichiers "$t/dest")" = "$(echo "$attendu" | sort)" ] || { fichiers "$t/dest"; exit 1; }
desktop-file-validate "$t/dest/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$t/dest/usr/share/metainfo/$id.metainfo.xml" > /dev/null

QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES=salvanor.demarrage.debug=true \
    timeout 20 "$t/dest/usr/bin/salvanor-degagements" > "$t/journal" 2>&1 &
for _ in $(seq 200); do grep -q 'clip:' "$t/journal" && break; sleep 0.1; done
kill $! 2> /dev/null || true
grep -qF "clip: $t/dest/usr/share/salvanor-degagements/sanim.gif (trouvé)" "$t/journal" ||
    { cat "$t/journal"; exit 1; }

cpack -G DEB --config "$b/CPackConfig.cmake" -B "$t/paquet" > /dev/null
deb=$(echo "$t"/paquet/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 fonts-liberation libcups2; do
    case $depends in *"$d"*) ;; *) echo "$d absent de Depends : $depends" && exit 1 ;; esac
done
mkdir -p "$t/racine/var/lib/dpkg/info" "$t/racine/var/lib/dpkg/updates"
touch "$t/racine/var/lib/dpkg/status"
dpkg --root="$t/racine" --force-depends --force-not-root -i "$deb" > /dev/null
[ "$(fichiers "$t/racine/usr")" = "$(echo "$attendu" | sed 's|^\./usr|.|' | sort)" ] ||
    { fichiers "$t/racine/usr"; exit 1; }
dpkg --root="$t/racine" --force-not-root -r salvanor-degagements > /dev/null
[ -z "$(fichiers "$t/racine/usr")" ]

# The record's strings are UTF-16 in the French block (040C, code page 1200).
x86_64-w64-mingw32-windres --preprocessor=cpp -i "$b/salvanor.rc" -o "$t/salvanor.o"
for texte in 040C04B0 "SalvaNOR Dégagements.exe" 1.00; do
    printf '%s' "$texte" | iconv -t UTF-16LE > "$t/motif"
    grep -qaF -f "$t/motif" "$t/salvanor.o" || { echo "« $texte » absent"; exit 1; }
done
echo "installation, paquet et fiche de version : conformes"
