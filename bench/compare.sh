#!/usr/bin/env bash
# Whole-process comparison of orvex-cli with the machine's own speed of
# listing and reading the same files (warm page cache), in one run:
#   index --all                 vs find (and find -printf '%s\n', which stats
#                               every file as the index must for the sizes)
#   search over the large set   vs cat of the same files
#   render of 1,000 files       vs cat of them
#   export --site, --json of the large set   vs export --html of it
# The commands alternate round by round; medians of wall time and of CPU time
# (user + system, from the finished process's resource usage) are quoted, and
# the peak memory of each command from /usr/bin/time -v.
#
#   bench/compare.sh [BIN] [--rounds N] [--data DIR]
#
# BIN is the program folder holding orvex-cli and orvex-make-large (default:
# build/bin of this checkout). DIR holds the large set; it is generated there
# when missing (default: $TMPDIR/orvex-bench).
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
bin=$here/build/bin
rounds=7
data=${TMPDIR:-/tmp}/orvex-bench
while [[ $# -gt 0 ]]; do
  case $1 in
    --rounds) rounds=$2; shift 2 ;;
    --data) data=$2; shift 2 ;;
    -h|--help) sed -n '2,15p' "$0"; exit 0 ;;
    *) bin=$1; shift ;;
  esac
done
cli=$bin/orvex-cli
for tool in "$cli" "$bin/orvex-make-large" /usr/bin/time /usr/bin/python3; do
  [[ -x $tool ]] || { echo "missing $tool (build the project; scripts/setup.sh installs time)" >&2; exit 2; }
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

# The files in the order the index lists them (the order the search reads them).
"$cli" index "$profiles" --all | awk -F'\t' '$1 == "entry" { printf "%s%c", $7, 0 }' > "$work/all"
mapfile -d '' -t all_files < "$work/all"
render_files=("${all_files[@]:0:1000}")
total_bytes=$(xargs -0 cat < "$work/all" | wc -c)
render_bytes=$(cat "${render_files[@]}" | wc -c)

# One run of a command: wall and CPU time (user + system of it and its
# children) in milliseconds, standard output discarded.
cat > "$work/run.py" <<'PY'
import os, subprocess, sys, time
start = time.perf_counter()
child = subprocess.Popen(sys.argv[1:], stdout=subprocess.DEVNULL)
_, status, usage = os.wait4(child.pid, 0)
wall = (time.perf_counter() - start) * 1000
if status != 0:
    sys.exit("failed: " + " ".join(sys.argv[1:4]) + " ...")
print("%.1f %.1f" % (wall, (usage.ru_utime + usage.ru_stime) * 1000))
PY

# measure NAME COMMAND...: one timed run, appended to NAME's records.
measure() {
  local name=$1
  shift
  python3 "$work/run.py" "$@" >> "$work/$name"
}

# peak NAME COMMAND...: the peak memory (kB) of one run, from /usr/bin/time -v.
peak() {
  local name=$1
  shift
  /usr/bin/time -v -o "$work/time" "$@" > /dev/null
  awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time" > "$work/$name.peak"
}

# median NAME FIELD: the median of one field of NAME's records.
median() {
  awk -v f="$2" '{ print $f }' "$work/$1" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

index_cmd=("$cli" index "$profiles" --all)
find_cmd=(find "$profiles")
findsize_cmd=(find "$profiles" -printf '%s\n')
search_cmd=("$cli" search "$profiles" the --all)
catall_cmd=(xargs -0 -a "$work/all" cat)
render_cmd=("$cli" render "${render_files[@]}")
cat1000_cmd=(cat "${render_files[@]}")
mkdir -p "$work/html" "$work/json"
exporthtml_cmd=("$cli" export "$profiles" "$work/html" --all --html)
exportsite_cmd=("$cli" export "$profiles" "$work/site" --all --site)
exportjson_cmd=("$cli" export "$profiles" "$work/json" --all --json)

echo "warming the page cache ..."
all_cmds="index find findsize search catall render cat1000 exporthtml exportsite exportjson"
for name in $all_cmds; do
  cmd=${name}_cmd
  declare -n c=$cmd
  "${c[@]}" > /dev/null
done
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
started=$SECONDS
for ((r = 1; r <= rounds; r++)); do
  printf 'round %d of %d\r' "$r" "$rounds" >&2
  measure index "${index_cmd[@]}"
  measure find "${find_cmd[@]}"
  measure findsize "${findsize_cmd[@]}"
  measure search "${search_cmd[@]}"
  measure catall "${catall_cmd[@]}"
  measure render "${render_cmd[@]}"
  measure cat1000 "${cat1000_cmd[@]}"
  measure exporthtml "${exporthtml_cmd[@]}"
  measure exportsite "${exportsite_cmd[@]}"
  measure exportjson "${exportjson_cmd[@]}"
done
echo >&2
load_after=$(cut -d' ' -f1-3 /proc/loadavg)
for name in $all_cmds; do
  declare -n c=${name}_cmd
  peak "$name" "${c[@]}"
done

row() {  # row LABEL NAME BASE: one table row, its ratios against BASE
  local w c m bw bc
  w=$(median "$2" 1); c=$(median "$2" 2); m=$(cat "$work/$2.peak")
  if [[ -n $3 ]]; then
    bw=$(median "$3" 1); bc=$(median "$3" 2)
    awk -v l="$1" -v w="$w" -v c="$c" -v m="$m" -v bw="$bw" -v bc="$bc" 'BEGIN {
      printf "| %s | %.0f | %.0f | %.1f | %.2f | %s |\n", l, w, c, m / 1024, w / bw,
        (bc > 0 ? sprintf("%.2f", c / bc) : "-") }'
  else
    awk -v l="$1" -v w="$w" -v c="$c" -v m="$m" 'BEGIN {
      printf "| %s | %.0f | %.0f | %.1f | | |\n", l, w, c, m / 1024 }'
  fi
}

echo
echo "orvex-cli: $cli"
echo "large set: ${#all_files[@]} files, $total_bytes bytes; render: ${#render_files[@]} files, $render_bytes bytes"
echo "machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'), $(awk '/MemTotal/ { printf "%.1f GB", $2 / 1048576 }' /proc/meminfo) memory"
echo "load average (1, 5, 15 min): before $load_before, after $load_after"
echo "medians of $rounds rounds, commands alternating, warm cache ($((SECONDS - started)) s):"
echo
echo "| command | wall ms | CPU ms | peak MB | x wall | x CPU |"
echo "| --- | ---: | ---: | ---: | ---: | ---: |"
row "find PROFILES" find ""
row "find PROFILES -printf '%s\\\\n'" findsize ""
row "orvex-cli index --all (vs find)" index find
row "orvex-cli index --all (vs find -printf)" index findsize
row "cat of the ${#all_files[@]} files" catall ""
row "orvex-cli search the --all (vs cat)" search catall
row "cat of ${#render_files[@]} files" cat1000 ""
row "orvex-cli render of ${#render_files[@]} files (vs cat)" render cat1000
row "orvex-cli export --html of the ${#all_files[@]} files" exporthtml ""
row "orvex-cli export --site (vs --html)" exportsite exporthtml
row "orvex-cli export --json (vs --html)" exportjson exporthtml
