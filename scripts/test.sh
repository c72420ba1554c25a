#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test, then
# plays the shipped world in a checked and a debug build (simulate-builds.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh
bash scripts/build.sh
ctest --test-dir build -j "$(nproc)" --output-on-failure
bash scripts/simulate-builds.sh
