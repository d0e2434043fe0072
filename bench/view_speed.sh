#!/usr/bin/env bash
# How fast a selection shows in the browser view: "Select all messages" on 10,
# 100 and 1,000 conversations of 25 messages with each shipped theme, offscreen,
# in alternating rounds (medians): the page written, the first screen painted,
# the view's loadFinished, and the longest pause in the window's event handling.
#
#   bench/view_speed.sh BIN_DIR [--baseline OTHER_BIN_DIR] [--rounds N] [--sizes LIST]
#
# BIN_DIR is a build's bin/ folder (orvex_view_bench and themes/ beside it);
# nothing is built. With --baseline the themes of another build (for instance
# today's main) are shown side by side on 1,000 conversations in the same run.
# Rounds stop early so that the whole run stays within 10 minutes. The last
# lines read: "whole history: ..." for the largest size (written, first screen,
# loaded, longest pause, peak memory of the window and its browser processes),
# "written, N conversations: window A ms, orvex-cli render of the same files B
# ms, ratio R", and view: 1000 conversations first screen A ms, 10 conversations
# B ms, ratio R. --sizes takes the selection sizes, e.g. 10,1000,30000
# (default 10,100,1000).
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
    -h|--help) sed -n '2,15p' "$0"; exit 0 ;;
    *) bin=$1; shift ;;
  esac
done
[[ -n $bin && -x $bin/orvex_view_bench ]] || { echo "usage: $0 BIN_DIR [--baseline OTHER_BIN_DIR] [--rounds N] (BIN_DIR holds orvex_view_bench)" >&2; exit 2; }
if [[ -n $baseline && ! -d $baseline/themes ]]; then
  echo "no themes/ in $baseline" >&2
  exit 2
fi

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) CPUs"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# 420 s of rounds leave room for the set-up, a late round and the browser's exit.
ORVEX_VIEW_ROUNDS=$rounds ORVEX_VIEW_BUDGET_S=420 ORVEX_VIEW_SIZES=$sizes \
  ORVEX_VIEW_BASELINE_THEMES=${baseline:+$baseline/themes} \
  QTWEBENGINE_DISABLE_SANDBOX=1 \
  timeout 590 "$bin/orvex_view_bench" --gtest_filter=ViewSpeed.FirstScreenLoadAndResponsiveness 2>&1 |
  tee "$log" | grep --line-buffered -E '^(round|medians|  [^ *]|longest|loaded|first screen|whole history|written,)' ||
  { grep -E 'Failure|Expected|Actual|FAILED' "$log" >&2; exit 1; }
grep -q '^\[  PASSED  \]' "$log" || { grep -E 'Failure|Expected|Actual|FAILED' "$log" >&2; exit 1; }
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
grep '^view: ' "$log" | tail -1
