#!/usr/bin/env bash
# How fast a selection shows in the browser view: "Select all messages" on 10,
# 100 and 1,000 conversations of 25 messages with each shipped theme, offscreen,
# in alternating rounds (medians): the page written, the first screen painted,
# the view's loadFinished, and the longest pause in the window's event handling.
#
#   bench/view_speed.sh BIN_DIR [--baseline OTHER_BIN_DIR] [--rounds N] [--sizes LIST]
#                       [--platform NAME]
#
# BIN_DIR is a build's bin/ folder (orvex_view_bench and themes/ beside it);
# nothing is built. With --baseline another build (for instance today's main)
# is measured in the same run: with a bench of its own, its code and themes
# against this one's in alternating rounds ("code before -> after, THEME
# SIZE: ..." lines); without, its themes side by side on 1,000 conversations.
# Rounds stop early so that the whole run stays within 10 minutes. The last
# lines read: "whole history: ..." for the largest size (written, first screen,
# scrollable, loaded, longest pause, peak memory of the window and its
# browser processes),
# "written, N conversations: window A ms, orvex-cli render of the same files B
# ms, ratio R", and view: 1000 conversations first screen A ms, 10 conversations
# B ms, ratio R. --sizes takes the selection sizes, e.g. 10,1000,30000
# (default 10,100,1000). --platform xcb times a real window instead of the
# offscreen one (under xvfb-run: a window drawn through software OpenGL).
set -euo pipefail

bin=
baseline=
rounds=3
sizes=
while [[ $# -gt 0 ]]; do
  case $1 in
    --baseline) baseline=$2; shift 2 ;;
    --rounds) rounds=$2; shift 2 ;;
    --sizes) sizes=$2; shift 2 ;;
    --platform) export ORVEX_WINDOW_PLATFORM=$2; shift 2 ;;
    -h|--help) sed -n '2,23p' "$0"; exit 0 ;;
    *) bin=$1; shift ;;
  esac
done
[[ -n $bin && -x $bin/orvex_view_bench ]] || { echo "usage: $0 BIN_DIR [--baseline OTHER_BIN_DIR] [--rounds N] (BIN_DIR holds orvex_view_bench)" >&2; exit 2; }
if [[ -n $baseline && ! -d $baseline/themes ]]; then
  echo "no themes/ in $baseline" >&2
  exit 2
fi

# A baseline with a bench of its own is measured whole below, its themes with
# its code; one without is compared by its themes alone, here.
theme_baseline=$baseline
if [[ -n $baseline && -x $baseline/orvex_view_bench ]]; then theme_baseline=; fi

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) CPUs"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# 420 s of rounds leave room for the set-up, a late round and the browser's exit.
ORVEX_VIEW_ROUNDS=$rounds ORVEX_VIEW_BUDGET_S=420 ORVEX_VIEW_SIZES=$sizes \
  ORVEX_VIEW_BASELINE_THEMES=${theme_baseline:+$theme_baseline/themes} \
  QTWEBENGINE_DISABLE_SANDBOX=1 \
  timeout 590 "$bin/orvex_view_bench" --gtest_filter=ViewSpeed.FirstScreenLoadAndResponsiveness 2>&1 |
  tee "$log" | grep --line-buffered -E '^(round|medians|  [^ *]|longest|loaded|first screen|whole history|written,)' ||
  { grep -E 'Failure|Expected|Actual|FAILED' "$log" >&2; exit 1; }
grep -q '^\[  PASSED  \]' "$log" || { grep -E 'Failure|Expected|Actual|FAILED' "$log" >&2; exit 1; }

# A baseline build with a bench of its own is compared as code too: each
# build's bench runs one round in turn (which goes first alternates), with the
# same sizes and themes, and the medians are shown side by side.
if [[ -n $baseline && -x $baseline/orvex_view_bench ]]; then
  code_log=$(mktemp)
  trap 'rm -f "$log" "$code_log"' EXIT
  for ((r = 1; r <= rounds; r++)); do
    order=("$baseline" "$bin")
    if ((r % 2 == 0)); then order=("$bin" "$baseline"); fi
    for build in "${order[@]}"; do
      label=after
      [[ $build == "$baseline" ]] && label=before
      ORVEX_VIEW_ROUNDS=1 ORVEX_VIEW_SIZES=$sizes QTWEBENGINE_DISABLE_SANDBOX=1 \
        timeout 590 "$build/orvex_view_bench" --gtest_filter=ViewSpeed.FirstScreenLoadAndResponsiveness 2>&1 |
        sed -n "s/^round 1 *\([^ ]*\) *\([0-9]*\): /$label \1 \2 /p" >>"$code_log"
    done
  done
  # Fields of a line: label theme size written W first F fcp P loaded L gap G ms memory M MB
  # scrollable S (a bench without it: a page that loads whole scrolls once loaded)
  awk '$18 != "scrollable" {$18 = "scrollable"; $19 = $11} {print}' "$code_log" >"$code_log.s" &&
    mv "$code_log.s" "$code_log"
  median() { sort -n | awk '{v[NR] = $1} END {if (NR) printf "%.0f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
  for case_ in $(awk '{print $2 "/" $3}' "$code_log" | sort -u -t/ -k2,2n -k1,1); do
    theme=${case_%/*} size=${case_#*/}
    line="code before -> after, $theme $size:"
    for field in "written 5 ms" "first screen 7 ms" "scrollable 19 ms" "loaded 11 ms" "longest pause 13 ms" "peak memory 16 MB"; do
      read -r -a f <<<"$field"
      n=${#f[@]}
      name="${f[*]:0:n-2}" column=${f[n-2]} unit=${f[n-1]}
      values=()
      for label in before after; do
        values+=("$(awk -v l="$label" -v t="$theme" -v s="$size" -v c="$column" \
          '$1 == l && $2 == t && $3 == s {print $c}' "$code_log" | median)")
      done
      line+=" $name ${values[0]} -> ${values[1]} $unit,"
    done
    echo "${line%,}"
  done
fi

echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
grep '^view: ' "$log" | tail -1
