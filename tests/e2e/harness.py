"""Drives the real Quillby programs as separate processes through AT-SPI, on a virtual screen.

A journey is one Python script that tells a user's story from start to end. CTest runs it
through run_journey.sh, which gives it its own Xvfb screen, D-Bus session and runtime folder,
with these variables set:

    QUILLBY_E2E_BIN      the folder of the built programs (build/bin)
    QUILLBY_E2E_MAKE_DB  the tool that makes the shipped, empty database from the schema
    QUILLBY_E2E_SCHEMA   the schema it reads
    QUILLBY_E2E_OUT      where this journey leaves its log, screenshots and window tree

Writing a journey:

    from harness import Journey

    with Journey("my_story") as journey:           # a fresh copy of the program's folder
        app = journey.start("Quillby")             # a separate process
        main = app.window("Quillby", role="frame") # a window by its caption
        app.click(main.find("push button", "New List"))
        dialog = app.window("New Word List")
        app.type_into(dialog.find("text", "Date of test"), "6/11/2004")
        app.answer_message("Yes")                  # a message box, button found by name
        app.exit_through(main.find("push button", "Exit"))   # exit status must be 0
        rows = journey.query("SELECT * FROM TESTS")

More tools: App.choose (an item of a drop-down box), App.close_window (the title bar's
close box), App.key, App.mouse_click, App.dismiss_notice, App.wait_closed, Node.cells (a
table's texts), Node.checked, Journey.execute (seed the database before the program starts),
Journey.screenshot, App.open_files, read_only (a folder the program must not write into),
dump_tree.

A journey of another program (Setup, for instance) copies other files into its folder:
Journey("install", files=("Setup", "Support"), fresh_database=False, message_title="...",
source_dir=...). To add a journey to CTest, add its name to tests/e2e/CMakeLists.txt.

Controls are found by role and accessible name (a label's text or a caption), never by
objectName. Every App operation checks that the program is still running before and after it
acts, so a program that ends by itself fails the step it ended in. When the body of the `with`
raises, the journey leaves screenshot.png, the stacks of the programs' threads (through gdb),
tree.txt (the AT-SPI tree of the program's windows) and a copy of the database in its output
folder and prints where they are. Wait for a
condition with App.wait_until (short polls), never with a fixed sleep.
"""

import contextlib
import ctypes
import glob
import os
import re
import resource
import shutil
import sqlite3
import subprocess
import sys
import tempfile
import time
import traceback

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

Atspi.init()

# How long a window or control may take to appear; a busy 2-core machine needs slack.
DEFAULT_TIMEOUT = 15.0
POLL = 0.05
# The journeys read English captions: the programs' language is English unless a journey asks
# for another, whatever the desktop of the person running them.
ENGLISH = {"LC_MESSAGES": "C", "LANGUAGE": "", "LC_ALL": ""}
# An action whose handler opens a modal window may not be answered until that window
# closes; the harness does not wait for the answer longer than this.
ACTION_TIMEOUT_MS = 400
CALL_TIMEOUT_MS = 10000

# Roles whose children are many cells or items: searches go into them only when asked for
# a cell or an item.
_CONTAINERS = {"table", "list", "tree table", "tree"}
_CELL_ROLES = {"table cell", "list item", "table column header", "table row header", "table row"}
# Roles of a message box's window.
_MESSAGE_ROLES = {"alert", "dialog"}


class JourneyFailure(AssertionError):
    """A step of a journey did not find what it expected."""


class ProgramEnded(JourneyFailure):
    """The program under test ended while the journey still needed it."""


def _call(function, *args, default=None):
    """An AT-SPI call on an object that may have gone away meanwhile."""
    try:
        return function(*args)
    except (GLib.Error, RuntimeError, NotImplementedError, AttributeError):
        return default


class Node:
    """One accessible object: a window or a control."""

    def __init__(self, app, accessible):
        self.app = app
        self.acc = accessible

    # What the object is.
    @property
    def role(self):
        return _call(self.acc.get_role_name, default="") or ""

    @property
    def name(self):
        return _call(self.acc.get_name, default="") or ""

    @property
    def label(self):
        """The text of the label that names this control (Qt on Linux names a drop-down box
        by its current choice and links it to its label instead)."""
        for relation in _call(self.acc.get_relation_set, default=[]) or []:
            if _call(relation.get_relation_type) == Atspi.RelationType.LABELLED_BY:
                target = _call(relation.get_target, 0)
                if target is not None:
                    return _call(target.get_name, default="") or ""
        return ""

    @property
    def description(self):
        return _call(self.acc.get_description, default="") or ""

    def _states(self):
        return _call(self.acc.get_state_set)

    def _has(self, state):
        states = self._states()
        return bool(states and states.contains(state))

    @property
    def showing(self):
        return self._has(Atspi.StateType.SHOWING)

    @property
    def enabled(self):
        return self._has(Atspi.StateType.ENABLED)

    @property
    def checked(self):
        return self._has(Atspi.StateType.CHECKED)

    @property
    def focused(self):
        return self._has(Atspi.StateType.FOCUSED)

    @property
    def text(self):
        """The text a text box, label or cell holds (its name when it has no text)."""
        text_iface = _call(self.acc.get_text_iface)
        if text_iface is not None:
            count = _call(Atspi.Text.get_character_count, text_iface, default=0)
            value = _call(Atspi.Text.get_text, text_iface, 0, count)
            if value is not None:
                return value
        return self.name

    @property
    def children(self):
        count = _call(self.acc.get_child_count, default=0) or 0
        nodes = []
        for i in range(count):
            child = _call(self.acc.get_child_at_index, i)
            if child is not None:
                nodes.append(Node(self.app, child))
        return nodes

    def extents(self):
        """(x, y, width, height) on the screen."""
        component = _call(self.acc.get_component_iface)
        if component is None:
            return None
        rect = _call(Atspi.Component.get_extents, component, Atspi.CoordType.SCREEN)
        return None if rect is None else (rect.x, rect.y, rect.width, rect.height)

    # Finding controls.
    def descendants(self, into_containers=False):
        """Every object below this one, breadth first."""
        queue = list(self.children)
        while queue:
            node = queue.pop(0)
            yield node
            if into_containers or node.role not in _CONTAINERS:
                queue.extend(node.children)

    def find_all(self, role=None, name=None, showing=True):
        into = role in _CELL_ROLES
        found = []
        for node in self.descendants(into_containers=into):
            if role is not None and node.role != role:
                continue
            if name is not None and not (_matches(node.name, name) or
                                         _matches(node.label, name)):
                continue
            if showing and not node.showing:
                continue
            found.append(node)
        return found

    def find(self, role, name=None, timeout=DEFAULT_TIMEOUT):
        """The first showing control of this role whose accessible name, or the text of the
        label linked to it, is name (a text or a compiled regular expression)."""
        result = []
        self.app.wait_until(lambda: result.extend(self.find_all(role, name)[:1]) or result,
                            timeout, f"a {role} named {name!r} in {self.name!r}")
        return result[0]

    def has(self, role, name=None):
        return bool(self.find_all(role, name))

    def cells(self):
        """The texts of a table's data cells, row by row (the heading row is not a row)."""
        table = _call(self.acc.get_table_iface)
        if table is None:
            raise JourneyFailure(f"{self} is not a table")
        rows = _call(Atspi.Table.get_n_rows, table, default=0) or 0
        columns = _call(Atspi.Table.get_n_columns, table, default=0) or 0
        grid = []
        for row in range(rows):
            cells = [_call(Atspi.Table.get_accessible_at, table, row, column)
                     for column in range(columns)]
            grid.append([Node(self.app, cell).text if cell else "" for cell in cells])
        return grid

    def __repr__(self):
        return f"<{self.role} {self.name!r}>"


def _matches(actual, wanted):
    if isinstance(wanted, re.Pattern):
        return bool(wanted.fullmatch(actual))
    return actual == wanted


class App:
    """A running program and the windows it shows through AT-SPI."""

    def __init__(self, journey, program, process, log_path):
        self.journey = journey
        self.program = program
        self.process = process
        self.log_path = log_path
        self.step_name = "starting"
        self._root = None

    # The process.
    def check_alive(self, doing=None):
        code = self.process.poll()
        if code is not None:
            raise ProgramEnded(f"{self.program} has ended (exit status {code}) while "
                               f"{doing or self.step_name}")

    def step(self, name):
        """Names the step being taken, for failure messages; checks the program still runs."""
        self.check_alive(f"before the step: {name}")
        self.step_name = name
        print(f"[{time.strftime('%H:%M:%S')}] {self.program}: {name}", flush=True)

    def wait_until(self, condition, timeout=DEFAULT_TIMEOUT, what="a condition"):
        """Polls condition until it returns something true; fails after timeout seconds, and
        never before DEFAULT_TIMEOUT: on a busy machine a step can take many times its usual
        time, and a wait ends as soon as its condition holds anyway."""
        timeout = max(timeout, DEFAULT_TIMEOUT)
        deadline = time.monotonic() + timeout
        while True:
            self.check_alive(f"waiting for {what} (step: {self.step_name})")
            value = condition()
            if value:
                return value
            if time.monotonic() > deadline:
                raise JourneyFailure(f"timed out after {timeout:.0f} s waiting for {what} "
                                     f"(step: {self.step_name})")
            time.sleep(POLL)

    def wait_for_exit(self, timeout=DEFAULT_TIMEOUT):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise JourneyFailure(f"{self.program} did not end within {timeout:.0f} s "
                                 f"(step: {self.step_name})") from None

    def open_files(self):
        """The paths of the files the process holds open."""
        paths = set()
        fd_dir = f"/proc/{self.process.pid}/fd"
        for fd in os.listdir(fd_dir):
            try:
                paths.add(os.readlink(os.path.join(fd_dir, fd)))
            except OSError:
                pass
        return paths

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(10)

    # Windows.
    def root(self):
        """The program's application object on the accessibility bus."""
        if self._root is not None and _call(self._root.get_child_count) is not None:
            return self._root
        self._root = None
        desktop = Atspi.get_desktop(0)
        for i in range(_call(desktop.get_child_count, default=0) or 0):
            application = _call(desktop.get_child_at_index, i)
            if application is not None and \
                    _call(application.get_process_id) == self.process.pid:
                # Qt's windows change under us; cached names and children would go stale.
                _call(application.set_cache_mask, Atspi.Cache.NONE)
                self._root = application
                break
        return self._root

    def windows(self):
        """The program's showing top-level windows."""
        root = self.root()
        if root is None:
            return []
        return [w for w in Node(self, root).children if w.showing]

    def hidden_window(self, caption):
        """A top-level window with this caption that the program has made but not shown (made
        ahead of its use), or None."""
        root = self.root()
        if root is None:
            return None
        return next((w for w in Node(self, root).children
                     if not w.showing and _matches(w.name, caption)), None)

    def find_window(self, caption, role=None):
        for window in self.windows():
            if _matches(window.name, caption) and (role is None or window.role == role):
                return window
        return None

    def window(self, caption, role=None, timeout=DEFAULT_TIMEOUT):
        """Waits for a showing window with this caption (and role, when given)."""
        return self.wait_until(lambda: self.find_window(caption, role), timeout,
                               f"the window {caption!r}")

    def wait_closed(self, caption, role=None, timeout=DEFAULT_TIMEOUT):
        self.wait_until(lambda: self.find_window(caption, role) is None, timeout,
                        f"the window {caption!r} to close")

    def has_window(self, caption, role=None):
        self.check_alive()
        return self.find_window(caption, role) is not None

    # Acting.
    def click(self, node):
        """Presses a button (or toggles a check box) through its AT-SPI action."""
        self.check_alive(f"about to click {node}")
        action = self.wait_until(lambda: _call(node.acc.get_action_iface), 5,
                                 f"the actions of {node}")
        names = [(_call(Atspi.Action.get_action_name, action, i, default="") or "").lower()
                 for i in range(_call(Atspi.Action.get_n_actions, action, default=0) or 0)]
        for wanted in ("press", "click", "toggle", "activate"):
            if wanted in names:
                self._do_action(action, names.index(wanted))
                break
        else:
            raise JourneyFailure(f"{node} offers no press action (it has {names})")
        self.check_alive(f"just after clicking {node}")

    @staticmethod
    def _do_action(action, index):
        # The program answers only when the click's handler returns, which is after any modal
        # window it opens has closed: do not wait for that answer.
        Atspi.set_timeout(ACTION_TIMEOUT_MS, CALL_TIMEOUT_MS)
        try:
            Atspi.Action.do_action(action, index)
        except GLib.Error as error:
            if "timeout" not in str(error).lower() and "noreply" not in str(error).lower() \
                    and "did not receive a reply" not in str(error).lower():
                raise
        finally:
            Atspi.set_timeout(CALL_TIMEOUT_MS, CALL_TIMEOUT_MS)

    def mouse_click(self, node, from_right=None):
        """Clicks a control with the mouse: in its middle, or from_right pixels left of its
        right edge."""
        self.check_alive(f"about to click {node} with the mouse")
        box = self.wait_until(lambda: node.extents(), 5, f"the place of {node}")
        x, y, width, height = box
        across = width // 2 if from_right is None else width - from_right
        _xdotool("mousemove", "--sync", str(x + across), str(y + height // 2), "click", "1")
        self.check_alive(f"just after clicking {node} with the mouse")

    def choose(self, combo, item):
        """Picks an item of a drop-down box as a person would: a click opens its list, the
        arrow keys walk from the top to the item, Enter takes it. The click is on the arrow
        at the right, which opens the list of an editable box too."""
        self.mouse_click(combo, from_right=8)
        self.wait_until(lambda: combo._has(Atspi.StateType.EXPANDED), 5,
                        f"the list of {combo} to open")
        items = combo.find_all("list item", showing=False)
        names = [entry.name for entry in items]
        if item not in names:
            raise JourneyFailure(f"{combo} offers no {item!r} (it offers {names})")
        self.key("Home", *["Down"] * names.index(item), "Return")
        self.wait_until(lambda: not combo._has(Atspi.StateType.EXPANDED) and
                        (combo.name == item or combo.text == item), 5,
                        f"{combo} to show {item!r}")

    def focus(self, node):
        """Gives a control the keyboard focus, with its window focused on the X server."""
        self.focus_window(self._window_of(node))
        component = _call(node.acc.get_component_iface)
        if component is not None:
            _call(Atspi.Component.grab_focus, component)
        self.wait_until(lambda: node.focused, 5, f"the keyboard focus in {node}")

    def _window_of(self, node):
        acc = node.acc
        root = self.root()
        while True:
            parent = _call(acc.get_parent)
            if parent is None or parent == root or _call(parent.get_role_name) == "application":
                return Node(self, acc)
            acc = parent

    def focus_window(self, window, *then):
        """Focuses a top-level window on the X server (there is no window manager to do it),
        then runs the xdotool commands then, in the same xdotool process: on a busy machine
        each start of xdotool costs a good part of a second."""
        x_window = self._x_window(window)
        _xdotool("windowfocus", "--sync", x_window, *then)

    def _x_window(self, window):
        pattern = "^" + re.escape(window.name) + "$"
        ids = _xdotool("search", "--onlyvisible", "--name", pattern, check=False).split()
        if not ids:
            raise JourneyFailure(f"no X window is named {window.name!r}")
        if len(ids) == 1:
            return ids[0]
        # Several windows share the caption (a message box says "Quillby" like the main
        # window): the one whose place on the screen is the accessible window's.
        extents = window.extents()
        for x_id in ids:
            if _x_geometry(x_id) == extents:
                return x_id
        return ids[-1]

    def close_window(self, window):
        """Asks a window to close as its title bar's close box does (WM_DELETE_WINDOW)."""
        self.check_alive(f"about to close {window}")
        _send_delete_window(int(self._x_window(window)))
        self.check_alive(f"just after closing {window}")

    def type_into(self, node, text, replace=True):
        """Types text into a text box as a person would: focus, select all, type."""
        self.focus(node)
        select_all = ("key", "--clearmodifiers", "ctrl+a") if replace else ()
        _xdotool(*select_all, "type", "--delay", "15", "--clearmodifiers", text)
        expected = text if replace else None
        if expected is not None:
            self.wait_until(lambda: node.text == expected, 5,
                            f"{node} to hold {expected!r} (it holds {node.text!r})")
        self.check_alive(f"just after typing into {node}")

    def set_text(self, node, text):
        """Replaces a box's text through AT-SPI text editing (for boxes typing cannot reach)."""
        editable = _call(node.acc.get_editable_text_iface)
        if editable is None:
            raise JourneyFailure(f"{node} cannot be edited")
        Atspi.EditableText.set_text_contents(editable, text)
        self.wait_until(lambda: node.text == text, 5, f"{node} to hold {text!r}")

    def key(self, *keys):
        """Presses keys (xdotool names, e.g. "Return", "ctrl+a") in the focused window."""
        self.check_alive(f"about to press {keys}")
        _xdotool("key", "--clearmodifiers", *keys)

    # Message boxes and notices.
    def message_box(self, timeout=DEFAULT_TIMEOUT):
        """The program's message box: a window titled with the program's title."""
        def find():
            for window in self.windows():
                if window.name == self.journey.message_title and window.role in _MESSAGE_ROLES:
                    return window
            return None
        return self.wait_until(find, timeout, f"a message box titled {self.journey.message_title!r}")

    def answer_message(self, button, expect=None, timeout=DEFAULT_TIMEOUT, ends_program=False):
        """Answers the message box with the named button; returns its text.

        expect: a text the message must contain. ends_program: the program may end with
        the answer (its exit status is for the caller to check)."""
        box = self.message_box(timeout)
        text = box.description or " ".join(label.text for label in box.find_all("label"))
        if expect is not None and expect not in text:
            raise JourneyFailure(f"the message box says {text!r}, not {expect!r}")
        self.click(box.find("push button", button))
        try:
            self.wait_until(lambda: box.name != self.journey.message_title or not box.showing, 5,
                            "the message box to close")
        except ProgramEnded:
            if not ends_program:
                raise
        return text

    def dismiss_notice(self, expect_top=None, caption="Message...", timeout=DEFAULT_TIMEOUT):
        """Closes a temporary notice (Quillby's "Message..." window) with Enter, as a person
        who does not wait for it would; returns the lines it showed."""
        notice = self.window(caption, timeout=timeout)
        if expect_top is not None:
            # The window can show on the bus a moment before its text does.
            try:
                self.wait_until(lambda: notice.description.split("\n")[0] == expect_top,
                                timeout, f"the notice to say {expect_top!r}")
            except ProgramEnded:
                raise
            except JourneyFailure:
                raise JourneyFailure(f"the notice says {notice.description.split(chr(10))!r}, "
                                     f"not {expect_top!r} first") from None
        lines = notice.description.split("\n")
        self.check_alive("about to press Return in the notice")
        self.focus_window(notice, "key", "--clearmodifiers", "Return")
        self.wait_until(lambda: not notice.showing, 10, "the notice to close")
        return lines

    def exit_through(self, button, timeout=DEFAULT_TIMEOUT):
        """Ends the program through one of its own buttons; its exit status must be 0."""
        self.step(f"exit through {button}")
        try:
            self.click(button)
        except ProgramEnded:
            pass
        code = self.wait_for_exit(timeout)
        if code != 0:
            raise JourneyFailure(f"{self.program} ended with exit status {code}, not 0")
        return code


def _allow_core_file():
    """Runs in a started program's process: a crash leaves a core file for its stacks."""
    _, hard = resource.getrlimit(resource.RLIMIT_CORE)
    resource.setrlimit(resource.RLIMIT_CORE, (hard, hard))


def _xdotool(*args, check=True):
    result = subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=30)
    if check and result.returncode != 0:
        raise JourneyFailure(f"xdotool {' '.join(args)} failed: {result.stderr.strip()}")
    return result.stdout


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class _XEvent(ctypes.Union):
    _fields_ = [("xclient", _ClientMessage), ("pad", ctypes.c_long * 24)]


def _send_delete_window(x_id):
    """The message a window manager sends when the user clicks a window's close box."""
    xlib = ctypes.cdll.LoadLibrary("libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XInternAtom.restype = ctypes.c_ulong
    xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    xlib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                ctypes.POINTER(_XEvent)]
    xlib.XFlush.argtypes = xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = xlib.XOpenDisplay(None)
    if not display:
        raise JourneyFailure("cannot open the X display")
    try:
        event = _XEvent()
        event.xclient.type = 33  # ClientMessage
        event.xclient.window = x_id
        event.xclient.message_type = xlib.XInternAtom(display, b"WM_PROTOCOLS", False)
        event.xclient.format = 32
        event.xclient.data[0] = xlib.XInternAtom(display, b"WM_DELETE_WINDOW", False)
        event.xclient.data[1] = 0  # CurrentTime
        xlib.XSendEvent(display, x_id, False, 0, ctypes.byref(event))
        xlib.XFlush(display)
    finally:
        xlib.XCloseDisplay(display)


def _x_geometry(x_id):
    values = {}
    for line in _xdotool("getwindowgeometry", "--shell", x_id, check=False).splitlines():
        key, _, value = line.partition("=")
        values[key] = int(value) if value.lstrip("-").isdigit() else value
    try:
        return (values["X"], values["Y"], values["WIDTH"], values["HEIGHT"])
    except KeyError:
        return None


def dump_tree(node, out, depth=0, max_depth=14, max_children=60):
    """Writes an indented listing: role, name, states and text of each object."""
    flags = [label for label, on in (("showing", node.showing), ("enabled", node.enabled),
                                      ("focused", node.focused), ("checked", node.checked)) if on]
    text = ""
    if node.role in ("text", "label", "table cell", "list item", "combo box", "entry"):
        value = node.text
        if value and value != node.name:
            text = f" text={value[:80]!r}"
    description = f" description={node.description[:120]!r}" if node.description else ""
    out.write(f"{'  ' * depth}[{node.role}] {node.name!r} ({', '.join(flags)}){text}"
              f"{description}\n")
    if depth >= max_depth:
        return
    children = node.children
    for child in children[:max_children]:
        dump_tree(child, out, depth + 1, max_depth, max_children)
    if len(children) > max_children:
        out.write(f"{'  ' * (depth + 1)}... {len(children) - max_children} more\n")


class Journey:
    """One story: a fresh copy of the programs' folder, the programs it starts, and what a
    failure leaves behind."""

    # The files of the built programs' folder that a journey's copy holds; plugins/ holds the
    # modules loaded on first use (sound, the text reader).
    PROGRAM_FILES = ("Quillby", "Sound_*.wav", "*.ico", "plugins")

    def __init__(self, name, files=PROGRAM_FILES, fresh_database=True, message_title="Quillby",
                 source_dir=None):
        """files: name patterns (files or folders) copied from source_dir, by default the
        built programs' folder; fresh_database: put the shipped, empty Quillby.mdb beside
        them; message_title: the title of the program's message boxes."""
        self.name = name
        self.bin_dir = source_dir or os.environ.get("QUILLBY_E2E_BIN", "build/bin")
        self.out_dir = os.environ.get("QUILLBY_E2E_OUT", os.path.join("build", "e2e", name))
        self.message_title = message_title
        self.apps = []
        self.started = time.monotonic()
        self._files = files
        self._fresh_database = fresh_database
        self.folder = None

    # Setting up and tearing down.
    def __enter__(self):
        shutil.rmtree(self.out_dir, ignore_errors=True)
        os.makedirs(self.out_dir, exist_ok=True)
        self._tmp = tempfile.TemporaryDirectory(prefix=f"quillby-e2e-{self.name}-")
        self.folder = self._tmp.name
        self._copy_program_folder()
        print(f"journey {self.name}: programs copied into {self.folder}", flush=True)
        return self

    def _copy_program_folder(self):
        for pattern in self._files:
            matches = glob.glob(os.path.join(self.bin_dir, pattern))
            if not matches:
                raise JourneyFailure(f"{pattern} is missing from {self.bin_dir}: build first")
            for path in matches:
                copy = shutil.copytree if os.path.isdir(path) else shutil.copy2
                copy(path, os.path.join(self.folder, os.path.basename(path)))
        if self._fresh_database:
            self.make_database(self.database)

    def make_database(self, path):
        """The empty database the build ships, made by the build's own tool."""
        tool = os.environ.get("QUILLBY_E2E_MAKE_DB")
        schema = os.environ.get("QUILLBY_E2E_SCHEMA")
        if tool and schema:
            subprocess.run([tool, schema, path], check=True, capture_output=True)
        else:
            shutil.copy2(os.path.join(self.bin_dir, "Quillby.mdb"), path)

    def __exit__(self, kind, error, trace):
        try:
            if error is not None:
                self._leave_evidence(kind, error, trace)
        finally:
            for app in self.apps:
                app.kill()
            self._tmp.cleanup()
        seconds = time.monotonic() - self.started
        if error is None:
            print(f"journey {self.name}: passed in {seconds:.1f} s", flush=True)
            return False
        print(f"journey {self.name}: FAILED after {seconds:.1f} s", flush=True)
        sys.exit(1)

    def _leave_evidence(self, kind, error, trace):
        print("".join(traceback.format_exception(kind, error, trace)), file=sys.stderr)
        # The stacks first: they show the moment of the failure, before anything else runs.
        stacks = [self._dump_stacks(app) if app.process.poll() is None else self._crash_stacks(app)
                  for app in self.apps]
        shot = self.screenshot("screenshot")
        tree_path = os.path.join(self.out_dir, "tree.txt")
        with open(tree_path, "w", encoding="utf-8") as out:
            for app in self.apps:
                code = app.process.poll()
                out.write(f"== {app.program} (pid {app.process.pid}, "
                          f"{'running' if code is None else f'ended with status {code}'})\n")
                root = app.root() if code is None else None
                if root is not None:
                    dump_tree(Node(app, root), out)
        database_copy = None
        if os.path.exists(self.database):
            database_copy = os.path.join(self.out_dir, "Quillby.mdb")
            shutil.copy2(self.database, database_copy)
            # A running program keeps recent rows in the write-ahead log beside the file.
            for suffix in ("-wal", "-shm"):
                if os.path.exists(self.database + suffix):
                    shutil.copy2(self.database + suffix, database_copy + suffix)
        print(f"journey {self.name} failed: {error}", file=sys.stderr)
        print(f"  screenshot: {shot}", file=sys.stderr)
        print(f"  window tree: {tree_path}", file=sys.stderr)
        for app in self.apps:
            print(f"  {app.program} output: {app.log_path}", file=sys.stderr)
        for path in filter(None, stacks):
            print(f"  threads' stacks: {path}", file=sys.stderr)
        if database_copy:
            print(f"  database: {database_copy}", file=sys.stderr)

    def _crash_stacks(self, app):
        """The stacks of a program that ended by a signal and left a core file in its folder
        (the kernel's default pattern "core" names a file in the program's working folder,
        which is its own folder here); None when it ended otherwise or left none."""
        code = app.process.poll()
        cores = glob.glob(os.path.join(app.folder, "core*")) if code is not None and code < 0 \
            else []
        if not cores:
            return None
        core = max(cores, key=os.path.getmtime)
        return self._gdb(app, [os.path.join(app.folder, app.program), core], "crash")

    def _dump_stacks(self, app):
        """Writes where every thread of a running program is, taken at once: a window tree that
        reads empty or a control that does not answer shows here whether the program's GUI
        thread is busy or blocked, or waits idle for events (then the accessibility bus is
        the slow one)."""
        return self._gdb(app, ["-p", str(app.process.pid)], "stacks")

    def _gdb(self, app, target, kind):
        path = os.path.join(self.out_dir, f"{app.program}-{app.process.pid}-{kind}.txt")
        if shutil.which("gdb") is None:
            return f"(no stacks of {app.program}: gdb is not installed)"
        try:
            result = subprocess.run(["gdb", "-batch", "-nx", "-ex", "set pagination off",
                                     "-ex", "thread apply all bt", *target],
                                    capture_output=True, text=True, timeout=120)
            output = result.stdout + result.stderr
        except subprocess.TimeoutExpired:
            output = "gdb did not finish within 120 s\n"
        with open(path, "w", encoding="utf-8") as out:
            out.write(output)
        return path

    # Programs.
    def start(self, program, *args, env=None, folder=None):
        """Starts a program of the copied folder (or of another folder) and waits until its
        first window shows."""
        folder = folder or self.folder
        log_path = os.path.join(self.out_dir, f"{program}-{len(self.apps) + 1}.log")
        environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1")
        environment.update(ENGLISH)
        environment.update(env or {})
        with open(log_path, "w") as log:
            process = subprocess.Popen([os.path.join(folder, program), *args],
                                       cwd=folder, env=environment, stdout=log,
                                       stderr=subprocess.STDOUT, preexec_fn=_allow_core_file)
        app = App(self, program, process, log_path)
        app.folder = folder
        self.apps.append(app)
        app.step(f"start {program}")
        app.wait_until(lambda: app.windows(), DEFAULT_TIMEOUT * 2,
                       f"a window of {program} on the accessibility bus (at-spi2-core)")
        return app

    # Evidence and data.
    def screenshot(self, name):
        """Saves a picture of the whole virtual screen as <name>.png in the output folder."""
        path = os.path.join(self.out_dir, f"{name}.png")
        result = subprocess.run(["import", "-window", "root", path], capture_output=True,
                                text=True, timeout=60)
        return path if result.returncode == 0 else f"(no screenshot: {result.stderr.strip()})"

    @property
    def database(self):
        return os.path.join(self.folder, "Quillby.mdb")

    def query(self, sql, *params):
        """Rows of the journey's database as dictionaries (read-only)."""
        connection = sqlite3.connect(f"file:{self.database}?mode=ro", uri=True)
        connection.row_factory = sqlite3.Row
        try:
            return [dict(row) for row in connection.execute(sql, params)]
        finally:
            connection.close()

    def execute(self, sql, *params):
        """Changes the journey's database (to seed it before the program starts)."""
        connection = sqlite3.connect(self.database)
        try:
            connection.execute(sql, params)
            connection.commit()
        finally:
            connection.close()


def expect(condition, message):
    """Fails the journey with message when condition is false."""
    if not condition:
        raise JourneyFailure(message)


def expect_equal(actual, expected, what):
    if actual != expected:
        raise JourneyFailure(f"{what}: expected {expected!r}, got {actual!r}")


@contextlib.contextmanager
def read_only(folder):
    """The folder is read-only in the scope: for the super-user, who ignores permissions,
    also immutable."""
    mode = os.stat(folder).st_mode
    os.chmod(folder, 0o555)
    immutable = os.geteuid() == 0 and subprocess.run(["chattr", "+i", folder]).returncode == 0
    expect(os.geteuid() != 0 or immutable, f"{folder} can be made read-only for the super-user")
    try:
        yield
    finally:
        if immutable:
            subprocess.run(["chattr", "-i", folder], check=True)
        os.chmod(folder, mode)
