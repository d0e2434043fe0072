#!/usr/bin/env bash
# The website's search page against orvex-cli search of the same archive, in
# one run, on the large set (warm page cache):
#   - export --site of the large set (this build, and BASELINE's when given:
#     its time and the site's size without the search data);
#   - orvex-cli search TEXT --all --code-page 65001;
#   - search.html?q=TEXT in headless Chromium from file://: the page's own
#     times (from its opening: the first results shown, "searched N of T"
#     shown), and the counts compared with orvex-cli's (the results the page
#     has laid out, and its totals).
# The browser's start is not in the page's own times. Medians of N rounds.
#
#   bench/site_search.sh [BIN] [--rounds N] [--data DIR] [--baseline BIN] [--text T]...
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
bin=$here/build/bin
rounds=5
data=${TMPDIR:-/tmp}/orvex-bench
baseline=
texts=()
while [[ $# -gt 0 ]]; do
  case $1 in
    --rounds) rounds=$2; shift 2 ;;
    --data) data=$2; shift 2 ;;
    --baseline) baseline=$2; shift 2 ;;
    --text) texts+=("$2"); shift 2 ;;
    -h|--help) sed -n '2,13p' "$0"; exit 0 ;;
    *) bin=$1; shift ;;
  esac
done
[[ ${#texts[@]} -gt 0 ]] || texts=(tonight coffee "déjà")
cli=$bin/orvex-cli
browser=/usr/bin/chromium
for tool in "$cli" "$bin/orvex-make-large" "$browser" /usr/bin/python3; do
  [[ -x $tool ]] || { echo "missing $tool (build the project; scripts/setup.sh installs chromium)" >&2; exit 2; }
done
profiles=$data/large/Yahoo!/Messenger/Profiles
if [[ ! -f $data/large.done ]]; then
  echo "generating the large set in $data/large ..."
  rm -rf "$data/large"
  mkdir -p "$data"
  "$bin/orvex-make-large" "$data/large"
  touch "$data/large.done"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

ms() {  # ms COMMAND...: the wall time of one run in milliseconds, output discarded
  python3 -c 'import subprocess, sys, time
t = time.perf_counter(); subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, check=True)
print("%.0f" % ((time.perf_counter() - t) * 1000))' "$@"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
size_mb() { du -sb "$1" | awk '{ printf "%.1f", $1 / 1e6 }'; }

echo "export --site, $rounds rounds ..." >&2
for ((r = 1; r <= rounds; r++)); do
  rm -rf "$work/site"
  ms "$cli" export "$profiles" "$work/site" --site --all >> "$work/export"
  if [[ -n $baseline ]]; then
    rm -rf "$work/base"
    ms "$baseline/orvex-cli" export "$profiles" "$work/base" --site --all >> "$work/export-base"
  fi
done
echo "| | this build | baseline |"
echo "| --- | ---: | ---: |"
if [[ -n $baseline ]]; then
  echo "| export --site, ms | $(median < "$work/export") | $(median < "$work/export-base") |"
  echo "| site, MB | $(size_mb "$work/site") | $(size_mb "$work/base") |"
else
  echo "| export --site, ms | $(median < "$work/export") | |"
  echo "| site, MB | $(size_mb "$work/site") | |"
fi
echo "| of which search data, MB | $(size_mb "$work/site/search") | |"
echo

page() {  # page TEXT: the page's DOM after it has loaded
  local q
  q=$(python3 -c 'import sys, urllib.parse; print(urllib.parse.quote(sys.argv[1]))' "$1")
  "$browser" --headless --no-sandbox --disable-gpu --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$work/profile" --dump-dom "file://$work/site/search.html?q=$q" 2>/dev/null
}
attr() { grep -o "$1=\"[0-9]*\"" "$2" | head -1 | grep -o '[0-9]*' || echo -; }

echo "| text | hits | orvex-cli search ms | page: first results ms | page: searched N of T ms | x orvex-cli | counts equal |"
echo "| --- | ---: | ---: | ---: | ---: | ---: | --- |"
for text in "${texts[@]}"; do
  : > "$work/cli" ; : > "$work/first" ; : > "$work/searched"
  for ((r = 1; r <= rounds; r++)); do
    ms "$cli" search "$profiles" "$text" --all --code-page 65001 >> "$work/cli"
    page "$text" > "$work/dom"
    attr data-first-ms "$work/dom" >> "$work/first"
    attr data-search-ms "$work/dom" >> "$work/searched"
  done
  "$cli" search "$profiles" "$text" --all --code-page 65001 |
    awk -F'\t' 'NF == 2 && $1 > 0 { print $1 }' | sort -rn > "$work/want"
  grep -o 'data-hits="[0-9]*"' "$work/dom" | grep -o '[0-9]*' > "$work/got" || true
  # The page lays out the first results only, and says how many there are.
  n=$(wc -l < "$work/want"); h=$(awk '{ s += $1 } END { print s + 0 }' "$work/want")
  equal=no
  head -n "$(wc -l < "$work/got")" "$work/want" | cmp -s - "$work/got" &&
    grep -qE "[^0-9]$n conversations?, $h hits? \S+ searched [0-9]+ of [0-9]+" "$work/dom" && equal=yes
  c=$(median < "$work/cli"); s=$(median < "$work/searched")
  echo "| $text | $(wc -l < "$work/want") | $c | $(median < "$work/first") | $s | $(awk -v s="$s" -v c="$c" 'BEGIN { printf "%.2f", s / c }') | $equal |"
done
