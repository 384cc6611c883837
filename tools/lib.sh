# Shared by tools/run and tools/test: installs missing Debian packages, configures and builds.
# shellcheck shell=bash
set -euo pipefail
racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Packages the program needs to build and run.
paquets_execution=(cmake make g++ qt6-base-dev libcups2-dev fonts-liberation)

installer_paquets() {
    local manquants=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || manquants+=("$p")
    done
    ((${#manquants[@]})) || return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installation de : ${manquants[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${manquants[@]}"
}

# construire DIR [cmake options...]
construire() {
    local dossier=$1
    shift
    cmake -S "$racine" -B "$dossier" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$dossier" --parallel "$(nproc)"
}
