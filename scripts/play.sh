#!/usr/bin/env bash
# Installs what is needed, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh
bash scripts/build.sh
exec build/game/corvanta
