#!/usr/bin/env bash
# Installs every Debian package of scripts/packages.txt (or of the lists given as arguments) that
# is not installed yet. A second run finds nothing missing and installs nothing.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
lists=("$@")
if [ ${#lists[@]} -eq 0 ]; then lists=("$here/packages.txt"); fi
mapfile -t wanted < <(cat "${lists[@]}" | grep -v '^\s*#' | sed '/^\s*$/d')
missing=()
for pkg in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installiere fehlende Pakete: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
