# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
# Shared by the commands of tools/: installs missing Debian packages, builds, and prints one
# line per stage with its time.
# shellcheck shell=bash
set -euo pipefail
racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# What the program needs to build, run and be packaged (cpack needs dpkg-dev and file).
paquets_execution=(cmake make g++ qt6-base-dev qt6-translations-l10n libcups2-dev
    fonts-liberation file dpkg-dev)

installer_paquets() {
    local manquants=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || manquants+=("$p")
    done
    ((${#manquants[@]})) || return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo > /dev/null; then
            echo "Il manque des paquets Debian et sudo n'est pas installé. En tant que root :" >&2
            echo "  apt-get install ${manquants[*]}" >&2
            echo "puis relancez $(basename "$0")." >&2
            exit 1
        fi
        sudo=(sudo)
    fi
    etape "Installation de ${#manquants[@]} paquets (${manquants[*]})" \
        env DEBIAN_FRONTEND=noninteractive "${sudo[@]}" sh -c \
        'apt-get update -q && apt-get install -y -q --no-install-recommends "$@"' sh "${manquants[@]}"
}

# etape TITLE COMMAND...: runs the command with its output in a log, then prints the title,
# the time taken and the log's lines matching $resume (if set); on failure, the log's end.
etape() {
    local titre=$1 debut=$SECONDS journal code=0
    shift
    journal=$(mktemp)
    "$@" > "$journal" 2>&1 || code=$?
    if ((code)); then
        printf '%s : ÉCHEC après %d s\n' "$titre" $((SECONDS - debut))
        tail -n "${lignes_echec:-60}" "$journal"
        rm -f "$journal"
        exit "$code"
    fi
    printf '%s : %d s\n' "$titre" $((SECONDS - debut))
    [ -z "${resume:-}" ] || grep -E "$resume" "$journal" | sed 's/^/    /' || true
    rm -f "$journal"
}

# construire DIR TARGET [cmake options...]
construire() {
    local dossier=$1 cible=$2
    shift 2
    cmake -S "$racine" -B "$dossier" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" &&
        cmake --build "$dossier" --parallel "$(nproc)" --target "$cible"
}
