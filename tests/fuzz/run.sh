#!/usr/bin/env bash
# Runs each fuzz target for a bounded time, with a fixed seed, on top of its
# seed corpus. Fails when a target reports anything (crash, hang, sanitizer
# report) or runs fewer than 10000 inputs; a failing input is printed in hex
# and base64, to be saved and replayed with `<target> <file>`.
#
#   tests/fuzz/run.sh [seconds-per-target] [build-dir]
#
# Build the targets first: cmake --preset fuzz && cmake --build --preset fuzz
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-45}
build=${2:-$root/build/fuzz}
min_runs=10000

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TMPDIR=$work  # the targets' scratch folders go here too

status=0
run_target() {
  local name=$1 max_len=$2
  local artifacts=$work/$name/artifacts/ log=$work/$name.log
  mkdir -p "$work/$name/corpus" "$artifacts"
  if ! "$build/tests/fuzz/$name" -seed=1 -max_total_time="$seconds" -timeout=10 \
      -max_len="$max_len" -print_final_stats=1 -artifact_prefix="$artifacts" \
      "$work/$name/corpus" "$root/tests/fuzz/corpus/${name%_fuzz}" >"$log" 2>&1; then
    echo "$name: FAILED"
    tail -n 60 "$log"
    for input in "$artifacts"*; do
      [ -e "$input" ] || continue
      echo "reproducer $(basename "$input"):"
      od -An -tx1 -v "$input" | head -n 40
      echo "base64: $(base64 -w0 "$input")"
    done
    status=1
    return
  fi
  local runs
  runs=$(sed -n 's/.*stat::number_of_executed_units: *\([0-9]*\).*/\1/p' "$log" | tail -n 1)
  echo "$name: ${runs:-0} inputs in ${seconds}s, no report"
  if [ "${runs:-0}" -lt "$min_runs" ]; then
    echo "$name: fewer than $min_runs inputs"
    status=1
  fi
}

run_target reply_fuzz 8192
run_target config_fuzz 9
run_target reset_fuzz 6000
exit $status
