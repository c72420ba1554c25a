#!/usr/bin/env bash
# Runs the tests and plays the shipped world in a build with address and
# undefined-behaviour checks, and shows that a seed makes the same world in
# every build: the optimised build in build/ (made by build.sh first), a
# debug build and the checked build print the same seasons, byte for byte.
set -euo pipefail
cd "$(dirname "$0")/.."

seasons_checked=20
seasons_compared=2

build() {  # folder, targets, cmake arguments...
  local dir=$1 targets=$2
  shift 2
  cmake -S . -B "$dir" -G Ninja -DCORVANTA_BUILD_BENCH=OFF "$@" > /dev/null
  cmake --build "$dir" -j "$(nproc)" --target $targets
}

build build-sanitize "corvanta_simulate corvanta_tests" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANTA_SANITIZE=ON -DCORVANTA_BUILD_TESTS=ON
build build-debug corvanta_simulate -DCMAKE_BUILD_TYPE=Debug -DCORVANTA_BUILD_TESTS=OFF

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

echo "== the tests under the sanitizers"
build-sanitize/tests/corvanta_tests --gtest_brief=1

echo "== $seasons_checked seasons under the sanitizers"
build-sanitize/tools/corvanta_simulate --seasons "$seasons_checked" --seed 1 > "$out/checked.txt"
grep -E '^(Squads|FAULT)' "$out/checked.txt" || true

for build in build build-debug build-sanitize; do
  "$build/tools/corvanta_simulate" --seasons "$seasons_compared" --seed 3 > "$out/$build.txt"
done
for build in build-debug build-sanitize; do
  if ! cmp -s "$out/build.txt" "$out/$build.txt"; then
    echo "The same seed made another world in $build:"
    diff "$out/build.txt" "$out/$build.txt" | head -20
    exit 1
  fi
done
echo "The same seed made the same world in every build."
