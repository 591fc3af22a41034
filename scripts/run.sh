#!/usr/bin/env bash
# Installs what is missing, builds VeskPlayer (release) and starts it; arguments are files to add.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVESK_TESTS=OFF >/dev/null
cmake --build "$top/build/release" --target veskplayer
exec "$top/build/release/veskplayer" "$@"
