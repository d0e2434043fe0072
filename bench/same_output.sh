#!/usr/bin/env bash
# Compares what two builds of orvex-cli write, byte for byte (standard output,
# standard error and exit status), on a profiles folder: index, search, render
# with each display option, and records. Used to show that a change meant to
# make the program faster changes no output.
#
#   bench/same_output.sh OLD_BIN NEW_BIN PROFILES [MAX_FILES]
#
# OLD_BIN and NEW_BIN are program folders (orvex-cli with themes/ and Smileys/
# beside it). MAX_FILES (default 1000) bounds the files rendered per run.
set -euo pipefail

if [[ $# -lt 3 ]]; then
  echo "usage: $0 OLD_BIN NEW_BIN PROFILES [MAX_FILES]" >&2
  exit 2
fi
profiles=$3
max=${4:-1000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Both programs in one program folder: the page names pictures by their path.
mkdir "$work/bin"
cp -r "$2/themes" "$2/Smileys" "$work/bin/"
cp "$1/orvex-cli" "$work/bin/old-cli"
cp "$2/orvex-cli" "$work/bin/new-cli"
old=$work/bin/old-cli
new=$work/bin/new-cli

# A theme with every placeholder, tags for the strips, emoticons, and no
# "%today" (which would differ from run to run).
printf '%s\r\n' '_FILEHEADER_' '<html><b>head</b>' '_CONVERSATIONHEADER_' '<div>:)' \
  '_MESSAGE1_' '<p><b>%id</b> %datetime|%date|%time|%shorttime| <font size="2">%text</font> :-)</p>' \
  '_MESSAGE2_' '<p><i>%id</i> said %text (%shorttime) %datetime<FADE x></FADE></p>' \
  '_CONVERSATIONFOOTER_' '</div>' '_FILEFOOTER_' '<p>end</p></html>' > "$work/all.th"

# Templates whose placeholders run into each other once filled.
printf '%s\r\n' '_FILEHEADER_' '<html>' '_CONVERSATIONHEADER_' '<div>' \
  '_MESSAGE1_' '%date%id|%idate|%datetime%text|%shorttime%time%id' \
  '_MESSAGE2_' '%%id|50%|%da%idte|%text%tex%idt' \
  '_CONVERSATIONFOOTER_' '</div>' '_FILEFOOTER_' '</html>' > "$work/joins.th"

compared=0
differ=0
# run NAME ARGS...: runs both builds with ARGS and compares everything they give.
run() {
  local name=$1
  shift
  local status_old=0 status_new=0
  "$old" "$@" > "$work/old.out" 2> "$work/old.err" || status_old=$?
  "$new" "$@" > "$work/new.out" 2> "$work/new.err" || status_new=$?
  compared=$((compared + 1))
  if ! cmp -s "$work/old.out" "$work/new.out" || ! cmp -s "$work/old.err" "$work/new.err" ||
    [[ $status_old != "$status_new" ]]; then
    differ=$((differ + 1))
    echo "DIFFERENT: $name (exit $status_old vs $status_new)"
    cmp "$work/old.out" "$work/new.out" || true
    cmp "$work/old.err" "$work/new.err" || true
  fi
}

run "index --all" index "$profiles" --all
"$old" index "$profiles" --all | awk -F'\t' '$1 == "entry" { print $7 }' > "$work/all-files"
mapfile -t files < <(head -n "$max" "$work/all-files")
echo "${#files[@]} files to render of $(wc -l < "$work/all-files") listed"

for text in the THE aa a ':)' '<b>' 'zürich' '€' ' '; do
  run "search '$text'" search "$profiles" "$text" --all
  run "search '$text' --raw" search "$profiles" "$text" --all --raw
done

for options in "" "--smileys" "--no-bold" "--no-fonts" "--no-bold --no-fonts --smileys" \
  "--no-date" "--no-time" "--no-date --no-time" "--raw" "--raw --smileys" "--text-only" \
  "--highlight the" "--highlight e --smileys" "--highlight :)" "--highlight <" \
  "--transcript" "--transcript --text-only" "--stats" "--user someone --friend other" \
  "--date-format %A,%d.%B --time-format %I:%M:%S%p"; do
  # shellcheck disable=SC2086
  run "render $options" render "${files[@]}" --theme "$work/all.th" $options
done
for names in "time x" "date %text" "d %" "%id %time"; do
  # shellcheck disable=SC2086
  set -- $names
  run "render joins --user $1 --friend $2" render "${files[@]:0:100}" --theme "$work/joins.th" \
    --user "$1" --friend "$2"
done
# The shipped themes, the footer's date line dropped.
for theme in "$work"/bin/themes/*.th; do
  "$old" render "${files[@]}" --theme "$theme" --smileys 2>&1 | grep -av foot > "$work/old.t" || true
  "$new" render "${files[@]}" --theme "$theme" --smileys 2>&1 | grep -av foot > "$work/new.t" || true
  compared=$((compared + 1))
  if ! cmp -s "$work/old.t" "$work/new.t"; then
    differ=$((differ + 1))
    echo "DIFFERENT: render --theme $(basename "$theme")"
  fi
done
# Each file alone: a file that fails to read must not hide the ones after it.
for ((i = 0; i < ${#files[@]} && i < 300; i++)); do
  run "records ${files[$i]}" records "${files[$i]}"
  run "records --raw ${files[$i]}" records "${files[$i]}" --raw
  run "render ${files[$i]}" render "${files[$i]}" --theme "$work/all.th" --smileys --highlight a
done

echo "$compared comparisons, $differ different"
[[ $differ -eq 0 ]]
