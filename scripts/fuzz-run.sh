#!/usr/bin/env bash
# Runs every fuzz target of a build made with -DORVEX_BUILD_FUZZ=ON for a
# while (30 s each unless given), two at a time, each on a copy of its corpus
# so the repository is left as it is. Fails when any target finds a crash,
# a leak, a sanitizer report or a hang; the input is then in the log folder.
#   scripts/fuzz-run.sh BUILD_DIR [SECONDS]
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$(cd "$1" && pwd)"
SECONDS_EACH="${2:-30}"
# The index target writes a folder tree per input: memory is faster than disk
# (when there is room: a container may give /dev/shm only a few megabytes).
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ] &&
  [ "$(df -Pk /dev/shm | awk 'NR == 2 { print $4 }')" -gt 262144 ]; then
  export TMPDIR=/dev/shm
fi
WORK="$(mktemp -d "${TMPDIR:-/tmp}/orvex-fuzz-run-XXXXXX")"

run_one() {
  local target="$1" build="$2" seconds="$3" root="$4" work="$5"
  mkdir -p "$work/$target/corpus" "$work/$target/found"
  cp -r "$root/fuzz/corpus/$target/." "$work/$target/corpus/"
  if (cd "$work/$target/found" &&
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
      "$build/bin/orvex_fuzz_$target" -max_total_time="$seconds" -timeout=20 \
      -rss_limit_mb=2048 -print_final_stats=1 "$work/$target/corpus" \
      >"$work/$target.log" 2>&1); then
    echo "fuzz $target: $(grep -E '^stat::number_of_executed_units' "$work/$target.log" |
      awk '{print $2}') runs in ${seconds} s, no finding"
  else
    echo "fuzz $target: FAILED (log and input in $work)"
    tail -n 40 "$work/$target.log"
    return 1
  fi
}
export -f run_one

targets=()
for dir in "$ROOT"/fuzz/corpus/*/; do
  targets+=("$(basename "$dir")")
done
status=0
printf '%s\n' "${targets[@]}" |
  xargs -P 2 -I{} bash -c 'run_one "$@"' _ {} "$BUILD" "$SECONDS_EACH" "$ROOT" "$WORK" ||
  status=1
if [ "$status" -eq 0 ]; then rm -rf "$WORK"; fi
exit "$status"
