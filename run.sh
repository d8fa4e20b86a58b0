#!/usr/bin/env bash
# Installs what is missing, builds, and starts the desktop program on a demo data home.
#   ./run.sh [--home DIR]   (default demo home: ./demo-home)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$root"
scripts/ensure-packages.sh
scripts/build.sh build
demo="$root/demo-home"
home="$demo"
if [ "${1:-}" = "--home" ] && [ -n "${2:-}" ]; then home="$2"; fi
if [ ! -e "$home/DB/korbelant.sqlite" ]; then
  build/src/cli/korbelant-cli --home "$home" init
  # The demo home starts with twenty years of a consultant's synthetic parties, the last one today.
  if [ "$home" = "$demo" ]; then
    build/src/cli/korbelant-cli --home "$home" bench-data small
  fi
fi
if [ -x build/src/app/korbelant ]; then
  exec build/src/app/korbelant --home "$home"
fi
echo "Das Desktop-Programm ist noch nicht gebaut; die Datenablage liegt in $home." >&2
