#!/usr/bin/env bash
# How long a whole mapreset run takes next to a program that only reads the
# world file once and writes it back once (bench/read_write_once.cc), both
# built alike and run on the same demo world.
#
#   bench/mapreset_bench.sh [build-dir] [runs]
#
# Prints the time per run of each and their ratio. A figure, not a test: it
# depends on the machine and on what else it is doing.
set -euo pipefail
build=${1:-build/default}
runs=${2:-300}
cmake --build "$build" --target mapreset read_write_once make_demo_game >/dev/null

mapreset=$(realpath "$build/mapreset/mapreset")
baseline=$(realpath "$build/bench/read_write_once")
make_demo=$(realpath "$build/examples/make_demo_game")

game=$(mktemp -d)
trap 'rm -rf "$game"' EXIT
cd "$game"
"$make_demo" >/dev/null
cp VELDARA.VLK world.orig
cp PARTY.VLK party.orig

# Each run starts from the same files; the copying is timed alone and taken off.
run_loop() {
  local start end
  start=$(date +%s%N)
  for ((i = 0; i < runs; i++)); do
    cp world.orig VELDARA.VLK
    cp party.orig PARTY.VLK
    "$@" >/dev/null
  done
  end=$(date +%s%N)
  echo $((end - start))
}

copies=$(run_loop true)
reset=$(($(run_loop "$mapreset") - copies))
once=$(($(run_loop "$baseline") - copies))

awk -v r="$reset" -v o="$once" -v n="$runs" 'BEGIN {
  printf "mapreset:        %.3f ms per run\n", r / n / 1e6
  printf "read_write_once: %.3f ms per run\n", o / n / 1e6
  printf "ratio:           %.2f (the aim: about 2 or less)\n", r / o
}'
