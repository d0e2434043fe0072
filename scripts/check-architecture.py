#!/usr/bin/env python3
"""Keeps docs/ARCHITECTURE.md true to the sources.

Fails (exit 1, one line per fault) when
- a file or folder named in the document does not exist;
- a function written `Name()` or `Class::Name()`, or a handler written
  `TfrmMain::Name` or `<Area>Actions::Name`, is defined nowhere
  (CONTRIBUTING.md's names too);
- in the tables of controls: a handler is not defined in the row's file, a
  function of the "ends in" column is not defined in the file named with it,
  a historic name occurs nowhere in the sources, or a quoted caption is not
  the program's own text;
- the window connects a handler, adds a menu item or declares a control that
  the tables leave out;
- a file includes across the layers the document draws (a core file a Qt or
  window header, a widget a core header, ...), an area panel under window/
  includes the main window's header or another panel's, an area's actions
  (window/actions/) include the main window's header, more than three files
  outside tests/ include it, or files include each other in a loop.

Usage: check-architecture.py [ROOT]   (ROOT: the source tree, default: ..)
"""
import re
import sys
from pathlib import Path

# A handler: a member of a form, or of an area's actions (window/actions/).
HANDLER = r"(?:Tfrm\w+|(?!Window)\w+Actions)::\w+"
# The main window's header; at most this many files outside tests/ include it.
MAIN_WINDOW_HEADER = "window/frmmain.h"
MAIN_WINDOW_INCLUDERS = 3

ROOT = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent)
DOC = ROOT / "docs" / "ARCHITECTURE.md"
# Its names are checked too, as those of the document.
CONTRIBUTING = ROOT / "CONTRIBUTING.md"
SOURCE_DIRS = ["ylogs", "platform", "qt_platform", "widgets", "dialogs", "window", "orvex", "cli"]
# Named functions may also live here; captions and controls may not.
OTHER_DIRS = ["tests", "fuzz", "bench", "tools"]
# The forms whose controls the tables must list.
FORM_HEADERS = ["window/frmmain.h", "dialogs/frmopendat.h", "dialogs/frmsavedir.h",
                "dialogs/frmabout.h"]
# A control: a widget, menu or action member under its historic name (state
# such as models ends in "_" and is no control).
CONTROL_MEMBER = re.compile(
    r"^\s+(?!Q\w*(?:Model|Delegate|Printer)\b)(?:Q\w+|TabStrip|LinkLabel|SafeWebPage)\*\s+"
    r"([A-Za-z]\w*[A-Za-z0-9])(?:\[\d+\])?\s*=", re.M)
NOT_A_DECLARATION = {"return", "else", "case", "throw", "delete", "new", "co_return"}

faults = []


def fault(text):
    if text not in faults:
        faults.append(text)


def load_sources(folders):
    sources = {}
    for folder in folders:
        for path in sorted((ROOT / folder).rglob("*")):
            if path.suffix in (".cpp", ".h") and path.is_file():
                sources[path.relative_to(ROOT).as_posix()] = path.read_text(errors="replace")
    return sources


SOURCES = load_sources(SOURCE_DIRS)
OTHERS = load_sources(OTHER_DIRS)
ALL_TEXT = "\n".join(SOURCES.values())
WORDS = set(re.findall(r"\w+", ALL_TEXT))
LITERALS = {m.group(1).replace("&", "")
            for m in re.finditer(r'"((?:[^"\\\n]|\\.)*)"', ALL_TEXT)}


DECLARATION = re.compile(r"^[ \t]*((?:[\w:<>,*&]+[ \t]+)+)[*&]?(\w+)\s*\(", re.M)
QUALIFIED = re.compile(r"\b(\w+)::(\w+)\s*\(")
CLASS_BODY = re.compile(r"\b(?:class|struct)\s+(\w+)\b[^;{(]*\{")


def index_sources():
    """Where each function is declared or defined: by name, by Class::name."""
    free, qualified = {}, {}
    for path, text in {**SOURCES, **OTHERS}.items():
        for m in DECLARATION.finditer(text):
            if m.group(1).split()[0] not in NOT_A_DECLARATION:
                free.setdefault(m.group(2), set()).add(path)
        for m in QUALIFIED.finditer(text):
            qualified.setdefault(m.group(1) + "::" + m.group(2), set()).add(path)
        # Members declared inside a class body count as the class's own.
        classes = list(CLASS_BODY.finditer(text))
        for i, c in enumerate(classes):
            end = classes[i + 1].start() if i + 1 < len(classes) else len(text)
            for m in DECLARATION.finditer(text, c.end(), end):
                if m.group(1).split()[0] not in NOT_A_DECLARATION:
                    qualified.setdefault(c.group(1) + "::" + m.group(2), set()).add(path)
    return free, qualified


FREE, MEMBERS = index_sources()


def is_defined(name, files=None):
    """Whether `name` (a function or Class::member) is in the sources, or in `files`."""
    scope = name.split("::")
    key = "::".join(scope[-2:]) if len(scope) > 1 else name
    where = (MEMBERS if len(scope) > 1 else FREE).get(key, set())
    return bool(where) if files is None else bool(where & set(files))


def is_program_text(caption):
    """Whether the caption is one of the program's literals, or several joined."""
    if caption in LITERALS:
        return True
    pieces = [lit for lit in LITERALS if lit and lit in caption]
    reach = [True] + [False] * len(caption)
    for i in range(len(caption)):
        if reach[i]:
            for lit in pieces:
                if caption.startswith(lit, i):
                    reach[i + len(lit)] = True
    return reach[-1]


def backticked(text):
    return re.findall(r"`([^`]+)`", text)


FILE_NAMES = {p.name for p in ROOT.rglob("*")
              if p.is_file() and not any(part.startswith(("build", ".")) or part == "node_modules"
                                         for part in p.relative_to(ROOT).parts)}


def check_names(doc, where=""):
    for token in sorted(set(backticked(doc))):
        if re.fullmatch(r"[\w.\-/]+/(?:[\w\-]*\.[\w.]+)?", token):
            if not (ROOT / token).exists():
                fault(f"no such file or folder{where}: {token}")
        elif re.fullmatch(r"[\w\-]+\.(?:cpp|h|js|py|sh|md|in|css|mjs)", token):
            # A file named without its folder must still be somewhere.
            if token not in FILE_NAMES:
                fault(f"no such file{where}: {token}")
        elif re.fullmatch(r"[A-Za-z_][\w:]*\(\)", token):
            if not is_defined(token[:-2]):
                fault(f"no such function{where}: {token}")
        elif re.fullmatch(HANDLER, token):
            if not is_defined(token):
                fault(f"no such handler{where}: {token}")


def table_rows(doc):
    """The rows of every table that has a handler column, as dicts by heading."""
    rows, heading = [], None
    for line in doc.splitlines():
        if not line.startswith("|"):
            heading = None
            continue
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        if heading is None:
            heading = cells if "handler" in cells else []
        elif heading and not set(line) <= set("|- "):
            rows.append(dict(zip(heading, cells)))
    return rows


def check_rows(rows):
    for row in rows:
        seen = row["what the user sees"]
        files = backticked(row["file"])
        for caption in re.findall(r'"([^"]*)"', seen):
            if not is_program_text(caption):
                fault(f'caption "{caption}" is not a text of the program')
        for name in backticked(row["historic name"]):
            if "::" in name:
                if not is_defined(name):
                    fault(f"no such function: {name}")
            elif name not in WORDS and not any(w.startswith(name) for w in WORDS):
                fault(f"historic name {name} occurs nowhere ({seen})")
        for handler in re.findall(f"`({HANDLER})`", row["handler"]):
            if not is_defined(handler, files):
                fault(f"{handler} is not defined in {', '.join(files)}")
        for function, path in re.findall(r"`([\w:]+)\(\)` in `([^`]+)`", row["ends in"]):
            if not is_defined(function, [path]):
                fault(f"{function}() is not defined in {path}")


def connect_statements(text):
    for start in (m.start() for m in re.finditer(r"\bconnect\(", text)):
        depth, i = 0, start + len("connect")
        while i < len(text):
            depth += {"(": 1, ")": -1}.get(text[i], 0)
            if depth == 0:
                break
            i += 1
        yield text[start:i + 1]


def check_complete(rows):
    handlers = {h for row in rows for h in re.findall(f"`({HANDLER})`", row["handler"])}
    historic = {n for row in rows for n in backticked(row["historic name"])}
    seen = "\n".join(row["what the user sees"] for row in rows)
    for path, text in SOURCES.items():
        if path.startswith("cli/"):
            continue
        used = set(re.findall(f"&({HANDLER})", text))
        for statement in connect_statements(text):
            used |= {"TfrmMain::" + n
                     for n in re.findall(r"Guard\(\[[^\]]*\]\s*\{\s*(\w+)\(", statement)}
        for handler in sorted(used - handlers):
            fault(f"{path} connects {handler}, which the tables leave out")
        for caption in re.findall(r'AddItem\(\s*\w+,\s*"([^"]*)"', text):
            if f'"{caption}"' not in seen:
                fault(f'{path} adds the menu item "{caption}", which the tables leave out')
    for header in FORM_HEADERS:
        for member in CONTROL_MEMBER.findall(SOURCES.get(header, "")):
            if member not in historic:
                fault(f"{header} declares the control {member}, which the tables leave out")


# What each layer may include (Qt: whether Qt headers are allowed).
LAYER_INCLUDES = {
    "platform": ({"platform"}, False),
    "core": ({"platform", "core"}, False),
    "companion": ({"platform", "core", "companion"}, False),
    "Qt platform": ({"platform", "Qt platform", "core"}, True),
    "widgets": ({"widgets"}, True),
    "dialogs": ({"platform", "Qt platform", "core", "widgets", "dialogs"}, True),
    "window": ({"platform", "Qt platform", "core", "widgets", "dialogs", "window"}, True),
    "program": ({"platform", "Qt platform", "core", "widgets", "dialogs", "window"}, True),
}


# The layer of each top folder: a folder is a layer.
FOLDER_LAYERS = {"platform": "platform", "ylogs": "core", "cli": "companion",
                 "qt_platform": "Qt platform", "widgets": "widgets", "dialogs": "dialogs",
                 "window": "window", "orvex": "program"}

# The core's folders, each above those before it: a file may include its own
# folder's files and those of the folders before it.
CORE_ORDER = ["base", "text", "archive", "render", "discovery", "views", "export", "program"]


def core_folder(path):
    parts = path.split("/")
    return parts[1] if parts[0] == "ylogs" and len(parts) > 2 else None


def layer_of(path):
    return FOLDER_LAYERS.get(path.split("/")[0])


def panel_of(path):
    """The area panel a window file belongs to: its folder under window/, if any
    (window/actions/ holds the areas' actions, which reach every panel)."""
    parts = path.split("/")
    return parts[1] if parts[0] == "window" and len(parts) > 2 and parts[1] != "actions" else None


def check_layers():
    includers = []
    for path, text in SOURCES.items():
        layer = layer_of(path)
        allowed, qt = LAYER_INCLUDES[layer]
        if not qt and re.search(r"^#include <Q", text, re.M):
            fault(f"{path} ({layer}) includes Qt")
        panel = panel_of(path)
        for included in re.findall(r'^#include "([^"]+)"', text, re.M):
            target = included if "/" in included else str(Path(path).parent / included)
            other = layer_of(target) if target in SOURCES else None
            if other and other not in allowed:
                fault(f"{path} ({layer}) includes {included} ({other})")
            here, there = core_folder(path), core_folder(target)
            if here and there and there != here and (
                    there not in CORE_ORDER or here not in CORE_ORDER
                    or CORE_ORDER.index(there) > CORE_ORDER.index(here)):
                fault(f"{path} (core {here}) includes {included} (core {there})")
            if target == MAIN_WINDOW_HEADER and path != "window/frmmain.h":
                includers.append(path)
                # The actions reach the window through their context alone.
                if path.startswith("window/actions/"):
                    fault(f"{path} (actions) includes the main window's {included}")
            # A panel stands alone: it hears from the others through signals.
            if panel and other == "window":
                if Path(target).name.startswith("frmmain"):
                    fault(f"{path} (panel {panel}) includes the main window's {included}")
                elif panel_of(target) not in (None, panel):
                    fault(f"{path} (panel {panel}) includes {included} (panel {panel_of(target)})")
    if len(includers) > MAIN_WINDOW_INCLUDERS:
        fault(f"{MAIN_WINDOW_HEADER} is included by {len(includers)} files outside tests "
              f"(at most {MAIN_WINDOW_INCLUDERS}): {', '.join(sorted(includers))}")


def check_include_loops():
    """No files include each other in a loop, however long."""
    graph = {}
    for path, text in SOURCES.items():
        for included in re.findall(r'^#include "([^"]+)"', text, re.M):
            target = included if "/" in included else str(Path(path).parent / included)
            if target in SOURCES:
                graph.setdefault(path, []).append(target)
    state = {}

    def visit(node, trail):
        state[node] = "open"
        for nxt in graph.get(node, []):
            if state.get(nxt) == "open":
                fault("include loop: " + " -> ".join(trail[trail.index(nxt):] + [nxt]))
            elif nxt not in state:
                visit(nxt, trail + [nxt])
        state[node] = "done"

    for node in sorted(graph):
        if node not in state:
            visit(node, [node])


def check_window_files():
    """frmmain.h's opening comment lists every file that defines the window's members."""
    header = SOURCES.get("window/frmmain.h", "")
    listed = {"window/" + f for f in re.findall(r"^//\s+(frmmain_\w+\.cpp)\b", header, re.M)}
    defining = {path for path, text in SOURCES.items()
                if path.endswith(".cpp") and re.search(r"\bTfrmMain::~?\w+\(", text)}
    for path in sorted(defining - listed):
        fault(f"window/frmmain.h does not list {path}, which defines the window's members")
    for path in sorted(listed - defining):
        fault(f"window/frmmain.h lists {path}, which defines none of the window's members")


# Calls that write, create or remove files or folders. Only the file-system
# module (platform/**/file_system*.cpp, one file per system) may make them, so
# that every file is replaced whole or not at all and tests can fail each call.
FILE_CHANGES = re.compile(
    r"\b(?:std::)?(?:ofstream|fstream|fopen|freopen|fwrite(?!\([^;]*\bstd(?:out|err)\))|"
    r"QSaveFile|QTemporaryFile|QTemporaryDir)\b"
    r"|QIODevice::(?:WriteOnly|ReadWrite|Append|Truncate)\b"
    r"|\bQFile::(?:remove|rename|copy|link|moveToTrash|resize|setPermissions)\b"
    r"|\bQDir\b[^;]*\.(?:mkdir|mkpath|rmdir|rmpath|removeRecursively|remove|rename)\s*\("
    r"|\b(?:std::filesystem|fs)::(?:create_\w+|remove\w*|rename|copy\w*|permissions|"
    r"resize_file|last_write_time)\s*\("
    r"|(?:^|[^\w.>:])(?:::)?(?:open|openat|creat|write|pwrite|mkdir|mkdirat|mkdtemp|mkstemp|unlink|"
    r"unlinkat|rmdir|rename|renameat|truncate|ftruncate|chmod|fchmod|link|symlink)\s*\("
    r"|\bstd::rename\s*\("
    r"|\b(?:CreateFile|WriteFile|CreateDirectory|DeleteFile|RemoveDirectory|MoveFile\w*|"
    r"ReplaceFile|CopyFile\w*|_wfopen|_wopen|_wmkdir|_wremove|_wrename)[AW]?\s*\(", re.M)


def check_file_changes():
    for path, text in SOURCES.items():
        if re.fullmatch(r"(?:qt_)?platform/(?:\w+/)*file_system\w*\.cpp", path):
            continue
        # The C library calls MinGW's runtime lacks: they stand in for the
        # system's own, below the module.
        if re.fullmatch(r"platform/win/posix_compat\.(?:cpp|h)", path):
            continue
        code = re.sub(r"//[^\n]*", "", text)
        for m in FILE_CHANGES.finditer(code):
            line = code.count("\n", 0, m.start()) + 1
            fault(f"{path}:{line} changes the file system outside platform/file_system.h "
                  f"({m.group(0).strip().lstrip('(')})")


def main():
    if not DOC.is_file():
        print(f"check-architecture: {DOC} is missing")
        return 1
    doc = DOC.read_text()
    rows = table_rows(doc)
    if not rows:
        fault("no table of controls found")
    check_names(doc)
    if CONTRIBUTING.is_file():
        check_names(CONTRIBUTING.read_text(), " (CONTRIBUTING.md)")
    check_rows(rows)
    check_complete(rows)
    check_layers()
    check_include_loops()
    check_window_files()
    check_file_changes()
    for text in faults:
        print(f"check-architecture: {text}")
    if faults:
        print(f"check-architecture: {len(faults)} fault(s)")
        return 1
    print(f"check-architecture: {len(rows)} rows, every name found")
    return 0


if __name__ == "__main__":
    sys.exit(main())
