#!/usr/bin/env bash
# Runs every fuzz target in BUILD_DIR for SECONDS each, starting from its seed corpus.
# Usage: fuzz/run_all.sh BUILD_DIR [SECONDS]
# New inputs go to .fuzz-work/<name>/ (not committed); a finding stops the run with exit 1.
set -euo pipefail
build=${1:?usage: fuzz/run_all.sh BUILD_DIR [SECONDS]}
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export ORVANE_REGISTRY="$root/.fuzz-work/registry.ini"
status=0
for target in "$build"/*_fuzz; do
  [ -x "$target" ] || continue
  name=$(basename "$target" _fuzz)
  work="$root/.fuzz-work/$name"
  mkdir -p "$work" "$work/artifacts"
  seeds=()
  [ -d "$root/fuzz/corpus/$name" ] && seeds+=("$root/fuzz/corpus/$name")
  echo "== $name: ${seconds}s"
  if "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$work/artifacts/" "$work" "${seeds[@]}" >"$work/log.txt" 2>&1; then
    grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$work/log.txt" | tr '\n' ' '
    echo "-> no finding"
  else
    echo "-> FINDING; see $work/log.txt and $work/artifacts/"
    tail -n 40 "$work/log.txt"
    status=1
  fi
done
exit $status
