#!/usr/bin/env bash
# Builds orvex-cli and the core tests for Windows (MinGW-w64, static) and
# tests them under Wine in a fresh prefix:
# 1. the core tests, the registry read as `wine reg add` wrote it;
# 2. every subcommand of orvex-cli on a generated profiles folder (friend
#    folders in Greek, Cyrillic and Latin letters), under three code pages:
#    1252 and 1253 from Wine's locale (GetACP), 1251 from the registry's ACP.
#    Standard output, standard error, exit status and every file written must
#    equal, byte for byte, what the Linux build gives for the same input.
# Both builds list folders in the program's own order, whatever the file
# system's.
# Usage: scripts/test-windows.sh   (Linux build: $ORVEX_BUILD_DIR or build/)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
LINUX_BUILD="${ORVEX_BUILD_DIR:-$ROOT/build}"
WIN_BUILD="${ORVEX_WINDOWS_BUILD_DIR:-$ROOT/build-windows}"
START=$SECONDS

bash "$ROOT/scripts/setup-windows.sh"

echo "== Linux reference build (orvex-cli and the sample writer)"
if [ ! -f "$LINUX_BUILD/CMakeCache.txt" ]; then
  cmake -S "$ROOT" -B "$LINUX_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORVEX_BUILD_WINDOW=OFF -DORVEX_BUILD_BENCH=OFF
fi
cmake --build "$LINUX_BUILD" --parallel "$(nproc)" \
  --target orvex-cli orvex-make-windows-sample orvex_themes orvex_smileys

echo "== Windows build (MinGW-w64)"
cmake -S "$ROOT" -B "$WIN_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake"
cmake --build "$WIN_BUILD" --parallel "$(nproc)" \
  --target orvex-cli orvex_core_tests orvex_themes orvex_smileys
BUILD_SECONDS=$((SECONDS - START))

WORK="$(mktemp -d)"
export WINEPREFIX="$WORK/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
WINE=/usr/lib/wine/wine64
echo "== fresh Wine prefix"
LC_ALL=C.UTF-8 $WINE wineboot --init >/dev/null 2>&1 || true
/usr/lib/wine/wineserver -w

# The messenger's values as the program reads them: the current user (a
# profile folder's name in Cyrillic letters) and its archiving switch.
USER_NAME="Мария"
LC_ALL=C.UTF-8 $WINE reg add 'HKCU\Software\Yahoo\Pager' /v 'Yahoo! User ID' /t REG_SZ \
  /d "$USER_NAME" /f >/dev/null
LC_ALL=C.UTF-8 $WINE reg add "HKCU\\Software\\Yahoo\\Pager\\profiles\\$USER_NAME\\Archive" \
  /v Enabled /t REG_DWORD /d 1 /f >/dev/null

echo "== core tests under Wine"
# Left out, each for its reason: without a registry value the code page is
# GetACP()'s, not the language's; the configuration folder is %APPDATA%, not
# $XDG_CONFIG_HOME; POSIX modes and links; names differing only in letter
# case cannot be two folders on Windows.
FILTER='-ChooseSystemCodePage.WithoutRegistryTheLanguageDecides'
FILTER+=':Values/ChooseSystemCodePageTest.RegistryFirstThenLanguage/*'
FILTER+=':LocateSettingsFile.LooksUpTheFolderAndTheUsersCopy'
FILTER+=':IniRegistry.LivesInTheUsersConfigurationFolder'
FILTER+=':ProfileWrite.WritesThroughALinkAndKeepsTheFilesMode'
FILTER+=':Users/SelectRegistryUserTest.PicksTheIdentitySpelledExactlyLikeTheUser/0'
TESTS_LOG="$WORK/core-tests.log"
if ! LC_ALL=C.UTF-8 ORVEX_TEST_REGISTRY_USER="$USER_NAME" \
  $WINE "$WIN_BUILD/bin/orvex_core_tests.exe" --gtest_filter="$FILTER" >"$TESTS_LOG" 2>&1; then
  grep -E 'FAILED|Failure' -A5 "$TESTS_LOG" | head -60
  echo "test-windows: core tests failed under Wine" >&2
  exit 1
fi
CORE_PASSED="$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\..*/\1/p' "$TESTS_LOG")"
echo "core tests under Wine: $CORE_PASSED passed"

echo "== every subcommand, Linux and Windows, byte for byte"
"$LINUX_BUILD/bin/orvex-make-windows-sample" "$WORK/in" >/dev/null
P="$WORK/in/Profiles"
# A theme with every placeholder but "%today", which would differ from run to run.
printf '%s\r\n' '_FILEHEADER_' '<html><b>head</b>' '_CONVERSATIONHEADER_' '<div>:)' \
  '_MESSAGE1_' '<p><b>%id</b> %datetime|%date|%time|%shorttime| %text :-)</p>' \
  '_MESSAGE2_' '<p><i>%id</i> said %text (%shorttime)</p>' \
  '_CONVERSATIONFOOTER_' '</div>' '_FILEFOOTER_' '</html>' >"$WORK/all.th"
RENDER=(--theme "$WORK/all.th" --date-format '%Y-%m-%d' --time-format '%H:%M:%S')
GREEK="$P/nikos/Archive/Messages/Ελένη/20060101-nikos.dat"
CUT="$P/anna/Archive/Messages/bob/20060108-anna.dat"
COMMANDS=(
  "records|$GREEK"
  "records|$CUT"
  "render|$GREEK|$P/nikos/Archive/Messages/Мария/20060103-nikos.dat|${RENDER[*]}"
  "render|$GREEK|--transcript|${RENDER[*]}"
  "render|$GREEK|--stats"
  "render|$CUT|--text-only|--highlight|lunch|${RENDER[*]}"
  "index|$P|--all"
  "index|$P|--select|nikos/Мария|--select|anna"
  "search|$P|Καλημέρα|--all"
  "search|$P|Привет|--select|nikos"
  "export|$P|@OUT|--html|--all|${RENDER[*]}"
  "export|$P|@OUT|--text|--all|${RENDER[*]}"
  "export|$P|@OUT|--json|--all"
  "export|$P|@OUT|--site|--all|--smileys|${RENDER[*]}"
)
compared=0
differ=0
run_both() {  # NAME LOCALE ARGS...   (Windows: locale through Wine; Linux: the same)
  local name=$1 locale=$2
  shift 2
  local side
  for side in linux windows; do
    local out="$WORK/$side/$name"
    mkdir -p "$out/files"
    local args=()
    local a
    for a in "$@"; do args+=("${a//@OUT/$out/files}"); done
    local status=0
    if [ "$side" = linux ]; then
      LC_ALL=$locale TZ=XST+7:30 XDG_CONFIG_HOME="$WORK/config" \
        "$LINUX_BUILD/bin/orvex-cli" "${args[@]}" >"$out/stdout" 2>"$out/stderr" || status=$?
    else
      LC_ALL=$locale TZ=XST+7:30 $WINE "$WIN_BUILD/bin/orvex-cli.exe" "${args[@]}" \
        >"$out/stdout" 2>"$out/stderr" || status=$?
    fi
    echo "$status" >"$out/status"
  done
  compared=$((compared + $(find "$WORK/linux/$name" -type f | wc -l)))
  if ! diff -r "$WORK/linux/$name" "$WORK/windows/$name" >"$WORK/$name.diff"; then
    differ=$((differ + 1))
    echo "test-windows: $name differs:" >&2
    head -40 "$WORK/$name.diff" >&2
  fi
}
for setting in "1252:C.UTF-8" "1253:el_GR.UTF-8" "1251:C.UTF-8:registry"; do
  IFS=: read -r page locale registry <<<"$setting"
  mkdir -p "$WORK/config/orvex"
  if [ -n "$registry" ]; then
    # The page from the registry: ACP under the key the program reads, in the
    # stand-in's file on Linux and with `wine reg add` on Windows.
    printf '[SYSTEM/CurrentControlSet/Control/Nls/CodePage]\r\nACP=%s\r\n' "$page" \
      >"$WORK/config/orvex/registry.ini"
    LC_ALL=C.UTF-8 $WINE reg add 'HKCU\SYSTEM\CurrentControlSet\Control\Nls\CodePage' /v ACP \
      /t REG_SZ /d "$page" /f >/dev/null
  fi
  i=0
  for command in "${COMMANDS[@]}"; do
    IFS='|' read -r -a words <<<"$command"
    args=()
    for w in "${words[@]}"; do
      if [[ "$w" == --theme* ]]; then read -r -a more <<<"$w"; args+=("${more[@]}"); else args+=("$w"); fi
    done
    i=$((i + 1))
    run_both "$page-$i-${words[0]}" "$locale" "${args[@]}"
  done
done
# A path typed the Windows way ("\tmp\...", on the current drive) lists the
# same files, written with "/".
LC_ALL=C.UTF-8 TZ=XST+7:30 $WINE "$WIN_BUILD/bin/orvex-cli.exe" index "${P//\//\\}" --all \
  >"$WORK/backslashes.out"
compared=$((compared + 1))
cmp -s "$WORK/linux/1252-7-index/stdout" "$WORK/backslashes.out" ||
  { echo "test-windows: a path with backslashes lists differently" >&2; differ=$((differ + 1)); }

echo "== browse: the archives found in the user's VirtualStore copy"
# A 32-bit messenger run without administrator rights: its writes below the
# programs folder went to the user's VirtualStore, and only there are they.
# No browser is started: Wine's opener is told to start `true`.
LC_ALL=C.UTF-8 $WINE reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /t REG_SZ /d true \
  /f >/dev/null
WIN_USER_FOLDER="$WINEPREFIX/drive_c/users/$(id -un)"
STORE="$WIN_USER_FOLDER/AppData/Local/VirtualStore/Program Files (x86)/Yahoo!/Messenger"
mkdir -p "$STORE"
cp -r "$P" "$STORE/Profiles"
SITE="$WORK/browse-site"
# An earlier website of the program's (its index changed since) is replaced;
# a folder holding a page of the user's is refused and left as it is.
for run in 1 2; do
  LC_ALL=C.UTF-8 $WINE "$WIN_BUILD/bin/orvex-cli.exe" browse --no-open --out "Z:$SITE" \
    >"$WORK/browse.out" 2>&1 || { cat "$WORK/browse.out" >&2; exit 1; }
  if [ "$run" = 1 ]; then echo "an earlier website" >"$SITE/index.html"; fi
done
mkdir -p "$WORK/mine"
echo "mine" >"$WORK/mine/index.html"
status=0
LC_ALL=C.UTF-8 $WINE "$WIN_BUILD/bin/orvex-cli.exe" browse --no-open --out "Z:$WORK/mine" \
  >/dev/null 2>&1 || status=$?
compared=$((compared + 1))
[ "$status" = 1 ] && grep -q '^mine' "$WORK/mine/index.html" && [ ! -e "$WORK/mine.partial" ] ||
  { echo "test-windows: browse did not refuse a folder of the user's (status $status)" >&2;
    differ=$((differ + 1)); }
compared=$((compared + 1))
grep -q 'VirtualStore/Program Files (x86)/Yahoo!/Messenger/Profiles/' "$WORK/browse.out" &&
  [ -f "$SITE/search/index.js" ] && [ "$(ls "$SITE/nikos" | wc -l)" -gt 0 ] &&
  ! grep -q 'an earlier website' "$SITE/index.html" && [ ! -e "$SITE.partial" ] ||
  { echo "test-windows: browse did not write the VirtualStore archive's website" >&2;
    cat "$WORK/browse.out" >&2; differ=$((differ + 1)); }

echo "== browse: a programs-folder half and a VirtualStore half read as one history"
# Before an upgrade the messenger wrote below "Program Files (x86)", after it
# to the VirtualStore: browse reads both, on Windows and from the Wine prefix
# on Linux, and makes one website of them.
HALF="$WINEPREFIX/drive_c/Program Files (x86)/Yahoo!/Messenger/Profiles"
mkdir -p "$HALF/halfling/Archive/Messages/pal"
cp "$(find "$P" -name '*.dat' | sort | head -1)" "$HALF/halfling/Archive/Messages/pal/20090101-halfling.dat"
LC_ALL=C.UTF-8 $WINE "$WIN_BUILD/bin/orvex-cli.exe" browse --no-open --out "Z:$WORK/both-win" \
  >"$WORK/both-win.out" 2>&1 || { cat "$WORK/both-win.out" >&2; exit 1; }
LC_ALL=C.UTF-8 HOME="$WORK" WINEPREFIX="$WINEPREFIX" PROGRAMFILES= \
  "$LINUX_BUILD/bin/orvex-cli" browse --no-open --out "$WORK/both-linux" \
  >"$WORK/both-linux.out" 2>&1 || { cat "$WORK/both-linux.out" >&2; exit 1; }
for side in win linux; do
  compared=$((compared + 1))
  grep -q 'same history.*Program Files (x86)/Yahoo!/Messenger/Profiles/' "$WORK/both-$side.out" &&
    grep -q 'VirtualStore/Program Files (x86)/Yahoo!/Messenger/Profiles/' "$WORK/both-$side.out" &&
    [ -d "$WORK/both-$side/halfling/pal" ] && [ "$(ls "$WORK/both-$side/nikos" | wc -l)" -gt 0 ] ||
    { echo "test-windows: browse ($side) did not make one website of both halves" >&2;
      cat "$WORK/both-$side.out" >&2; differ=$((differ + 1)); }
done
compared=$((compared + 1))
diff <(cd "$WORK/both-win" && find . | sort) <(cd "$WORK/both-linux" && find . | sort) >&2 ||
  { echo "test-windows: the two halves' websites hold different files" >&2; differ=$((differ + 1)); }

echo "== no arguments: the usage line from a command prompt, browse from a console of its own"
status=0
LC_ALL=C.UTF-8 $WINE cmd /c "$(winepath -w "$WIN_BUILD/bin/orvex-cli.exe" 2>/dev/null)" \
  >"$WORK/prompt.out" 2>&1 || status=$?
compared=$((compared + 1))
[ "$status" = 2 ] && grep -q 'usage: orvex-cli' "$WORK/prompt.out" ||
  { echo "test-windows: no arguments in a command prompt gave status $status:" >&2;
    cat "$WORK/prompt.out" >&2; differ=$((differ + 1)); }
# `start` gives the program a console of its own, as Explorer does: it
# writes the website into the user's Documents (Wine links them to a Linux
# folder). Wine's console without a terminal answers the wait for Enter at
# once.
EXE="$(winepath -w "$WIN_BUILD/bin/orvex-cli.exe" 2>/dev/null)"
DOCUMENTS="$(readlink -f "$WIN_USER_FOLDER/Documents")"
CLICKED="$DOCUMENTS/Orvex Messenger Archive"
rm -rf "$CLICKED"
LC_ALL=C.UTF-8 timeout 300 $WINE start /wait "$EXE" >/dev/null 2>&1 || true
compared=$((compared + 1))
[ -f "$CLICKED/search.html" ] && [ -d "$CLICKED/nikos" ] ||
  { echo "test-windows: a console of its own wrote no website" >&2; differ=$((differ + 1)); }
# In a terminal Wine's console is the program's own as well, and there the
# wait for Enter can be seen: still running once the website is written,
# ended by the Enter typed then. (Wine's console draws a blank as a cursor
# move: the words are compared without blanks.)
rm -rf "$CLICKED"
(
  for _ in $(seq 1 120); do
    [ -f "$CLICKED/search.html" ] && break
    sleep 1
  done
  sleep 2
  if pgrep -f 'orvex-cli.exe' >/dev/null; then echo waiting >"$WORK/click.state"; fi
  printf '\r\n'
) | LC_ALL=C.UTF-8 timeout 300 script -qfec "$WINE '$EXE'" "$WORK/click.log" >/dev/null || true
compared=$((compared + 1))
if [ -f "$WORK/click.state" ] && [ -f "$CLICKED/search.html" ] &&
  sed 's/\x1b\[[0-9;?]*[a-zA-Z]//g' "$WORK/click.log" | tr -d '\r\n ' |
  grep -q 'PressEntertoclosethiswindow.'; then
  echo "a double-click: the website in $CLICKED, then the console waits for Enter"
else
  echo "test-windows: a console of its own did not write the website and wait for Enter" >&2
  differ=$((differ + 1))
fi
rm -rf "$CLICKED"

TEST_SECONDS=$((SECONDS - START - BUILD_SECONDS))
if [ "$differ" != 0 ]; then
  echo "test-windows: $differ of the runs differ" >&2
  exit 1
fi
echo "windows: core tests $CORE_PASSED passed under Wine, $compared outputs equal byte for byte" \
  "(build ${BUILD_SECONDS}s, tests ${TEST_SECONDS}s)"
echo "$((CORE_PASSED + compared)) passed, 0 failed"
