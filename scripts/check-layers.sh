#!/usr/bin/env bash
# Fails when a file of the game includes a header of a layer above its own.
# The layers, lowest first: platform, world, the rules (engine squad finance
# career transfers editor data), ui, screens, app. An include that must
# point up is listed in docs/architecture.md under "Edges that point up" as
# "- `from/File.cpp` -> `to/Header.h`: why"; any other one fails.
set -euo pipefail
cd "$(dirname "$0")/.."

layer_of() {
  case $1 in
    platform) echo 0 ;;
    world) echo 1 ;;
    engine | squad | finance | career | transfers | editor | data) echo 2 ;;
    ui) echo 3 ;;
    screens) echo 4 ;;
    app) echo 5 ;;
    *) echo -1 ;;
  esac
}

allowed=$(sed -n '/^## Edges that point up/,/^## /p' docs/architecture.md |
  sed -n 's/^- `\([^`]*\)` -> `\([^`]*\)`.*/\1 -> \2/p')

failed=0
while IFS= read -r file; do
  from=$(layer_of "${file%%/*}")
  ((from >= 0)) || continue
  while IFS= read -r header; do
    to=$(layer_of "${header%%/*}")
    ((to > from)) || continue
    if ! grep -qxF "$file -> $header" <<< "$allowed"; then
      echo "$file includes $header, a layer above its own"
      failed=1
    fi
  done < <(sed -n 's/^#include "\([a-z]*\/[^"]*\)".*/\1/p' "$file")
done < <(git ls-files '*.h' '*.cpp')
exit $failed
