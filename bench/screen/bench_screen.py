#!/usr/bin/python3
"""What the user waits for, on a virtual screen: the real Quillby is started as a process on
its own Xvfb, keys are sent through XTest, and each wait is timed to the last damage of the
screen (XDamage: the moment the last paint reached the screen, followed by a quiet spell),
beside the same wait on a small database, or of a bare Qt window built as its own program,
in the same run. Each target is printed with "met" or "NOT met"; the exit status is 1 when
one is not met. Databases are generated the way years of use leave them and never analysed;
Quillby is killed after each sample, so that no run of it analyses them either."""

import ctypes
import os
import shutil
import signal
import sqlite3
import statistics
import subprocess
import sys
import tempfile
import time

BIN = os.path.dirname(os.path.abspath(__file__))
BUILD = os.path.dirname(BIN)
BARE = os.path.join(BUILD, "bench", "screen", "quillby_bare_window")
CACHE = os.path.join(BUILD, "bench-cache", "screen")
QUIET = 0.4        # seconds without damage that end a wait
ROUNDS = 5
MISSED = []


def source_dir():
    with open(os.path.join(BUILD, "CMakeCache.txt")) as cache:
        for line in cache:
            if line.startswith("CMAKE_HOME_DIRECTORY:INTERNAL="):
                return line.split("=", 1)[1].strip()
    raise SystemExit("bench_screen: no CMakeCache.txt in " + BUILD)


# ---------------------------------------------------------------- databases
def make_database(name, lists, words, tests, old_shape):
    """A file of `lists` lists of `words` words with `tests` tests each, one answer per word
    and test plus a second try after each miss (one in five). old_shape: as a Quillby older
    than the answer tallies left it. Made once per shape, in the build's cache."""
    path = os.path.join(CACHE, name + ".mdb")
    if os.path.exists(path):
        return path
    os.makedirs(CACHE, exist_ok=True)
    work = path + ".part"
    if os.path.exists(work):
        os.remove(work)
    db = sqlite3.connect(work)
    db.executescript(open(os.path.join(source_dir(), "assets", "schema.sql")).read())
    for (kind, object_name) in db.execute("SELECT type, name FROM sqlite_master WHERE "
                                          "type = 'trigger'").fetchall():
        db.execute(f"DROP TRIGGER {object_name}")
    indexes = db.execute("SELECT name, sql FROM sqlite_master WHERE type = 'index' AND "
                         "tbl_name = 'WORD_ATTEMPTS' AND sql IS NOT NULL").fetchall()
    for index_name, _ in indexes:
        db.execute(f"DROP INDEX {index_name}")
    n = max(lists * tests, lists * words, lists)
    db.executescript(f"""
        CREATE TEMP TABLE N (I INTEGER PRIMARY KEY);
        WITH RECURSIVE C(I) AS (SELECT 1 UNION ALL SELECT I + 1 FROM C WHERE I < {n})
            INSERT INTO N SELECT I FROM C;
        INSERT INTO LISTS SELECT I, date('2001-01-01', '+' || (7 * I) || ' days'),
            date('2001-01-05', '+' || (7 * I) || ' days'),
            date('2001-01-05', '+' || (7 * I) || ' days'), '2001-01-01 10:00:00', 'IGNORED'
            FROM N WHERE I <= {lists};
        INSERT INTO WORDS SELECT I, (I - 1) / {words} + 1, 'word' || I, '', '', 'FALSE'
            FROM N WHERE I <= {lists * words};
        INSERT INTO TESTS (TEST_ID, LIST_ID, MOVE_ON_AFTER, START_TIME, END_TIME)
            SELECT I, (I - 1) / {tests} + 1, 3, '2002-01-01 10:00:00', '2002-01-01 10:04:00'
            FROM N WHERE I <= {lists * tests};
        WITH RECURSIVE K(I) AS (SELECT 1 UNION ALL SELECT I + 1 FROM K WHERE I < {words})
            INSERT INTO WORD_ATTEMPTS SELECT T.I, (T.I - 1) / {tests} + 1,
                ((T.I - 1) / {tests}) * {words} + K.I, 'word',
                CASE WHEN (T.I * 7 + K.I) % 5 = 0 THEN 'INCORRECT' ELSE 'CORRECT' END, 1
            FROM N T CROSS JOIN K WHERE T.I <= {lists * tests};
        INSERT INTO WORD_ATTEMPTS SELECT TEST_ID, LIST_ID, WORD_ID, 'word', 'CORRECT', 2
            FROM WORD_ATTEMPTS WHERE RESULT = 'INCORRECT';
        DROP TABLE N;
    """)
    for _, sql in indexes:
        db.execute(sql)
    if old_shape:
        for table in ("TEST_TALLIES", "WORD_TALLIES", "GUESS_TALLIES"):
            db.execute(f"DROP TABLE {table}")
    db.commit()
    db.close()
    if not old_shape:  # the tallies counted and the triggers made, by Quillby's own opening
        run_once(work)
    os.rename(work, path)
    return path


def run_once(database):
    """Opens a database with Quillby once (to bring it to today's shape), then kills it and
    keeps what it wrote: Quillby works on a copy in a folder of its own, and leaves part of
    it in the write-ahead log beside the file, so the log is checkpointed and copied back."""
    with Sample(database) as sample:
        sample.wait_for_main_window(600)
        sample.process.send_signal(signal.SIGKILL)
        sample.process.wait()
        connection = sqlite3.connect(sample.db())
        connection.execute("PRAGMA wal_checkpoint(TRUNCATE)")
        connection.close()
        shutil.copy2(sample.db(), database)


# ---------------------------------------------------------------- the X server
class X:
    """XDamage and XTest through ctypes: damage events of every window mapped on the screen."""

    def __init__(self, display):
        self.lib = ctypes.CDLL("libX11.so.6")
        self.damage = ctypes.CDLL("libXdamage.so.1")
        self.xtest = ctypes.CDLL("libXtst.so.6")
        self.lib.XOpenDisplay.restype = ctypes.c_void_p
        self.lib.XDefaultRootWindow.restype = ctypes.c_ulong
        self.lib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        for f in ("XPending", "XFlush", "XSync", "XNextEvent", "XSelectInput",
                  "XKeysymToKeycode", "XSetInputFocus"):
            getattr(self.lib, f).argtypes = None
        self.lib.XStringToKeysym.restype = ctypes.c_ulong
        self.damage.XDamageCreate.restype = ctypes.c_ulong
        self.damage.XDamageCreate.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int]
        self.dpy = self.lib.XOpenDisplay(display.encode())
        if not self.dpy:
            raise SystemExit(f"bench_screen: cannot open display {display}")
        event_base, error_base = ctypes.c_int(), ctypes.c_int()
        self.damage.XDamageQueryExtension(ctypes.c_void_p(self.dpy), ctypes.byref(event_base),
                                          ctypes.byref(error_base))
        self.damage_notify = event_base.value  # XDamageNotify is the extension's event 0
        self.root = self.lib.XDefaultRootWindow(self.dpy)
        # Substructure notify on the root: every top-level window mapped is seen.
        self.lib.XSelectInput(ctypes.c_void_p(self.dpy), ctypes.c_ulong(self.root),
                              ctypes.c_long(1 << 19))
        self.event = (ctypes.c_long * 24)()
        self.watched = []
        self.last_damage = 0.0
        self.first_damage = 0.0
        self.maps = []

    def pump(self):
        """Handles every event waiting; True when there was damage."""
        damaged = False
        while self.lib.XPending(ctypes.c_void_p(self.dpy)):
            self.lib.XNextEvent(ctypes.c_void_p(self.dpy), self.event)
            kind = ctypes.c_int.from_buffer(self.event).value
            now = time.monotonic()
            if kind == 19:  # MapNotify: watch the new window's damage
                window = self.event[5]
                self.damage.XDamageCreate(ctypes.c_void_p(self.dpy), window, 0)
                self.watched.append(window)
                self.maps.append((now, window))
            elif kind == self.damage_notify:
                damaged = True
                self.last_damage = now
                self.first_damage = self.first_damage or now
        return damaged

    def wait_quiet(self, since, limit=60.0, quiet=QUIET):
        """Waits until no damage came for `quiet` seconds after some came; returns the time of
        the last damage after `since` (or None when none came within limit)."""
        self.last_damage = 0.0
        self.first_damage = 0.0
        while True:
            self.pump()
            now = time.monotonic()
            if self.last_damage and now - self.last_damage >= quiet:
                return self.last_damage - since
            if now - since > limit:
                return None if not self.last_damage else self.last_damage - since
            time.sleep(0.002)

    def key(self, name, window):
        self.lib.XSetInputFocus(ctypes.c_void_p(self.dpy), ctypes.c_ulong(window), 1,
                                ctypes.c_ulong(0))
        self.lib.XSync(ctypes.c_void_p(self.dpy), 0)
        code = self.lib.XKeysymToKeycode(ctypes.c_void_p(self.dpy),
                                         ctypes.c_ulong(self.lib.XStringToKeysym(name.encode())))
        self.pump()
        began = time.monotonic()
        self.xtest.XTestFakeKeyEvent(ctypes.c_void_p(self.dpy), code, 1, ctypes.c_ulong(0))
        self.xtest.XTestFakeKeyEvent(ctypes.c_void_p(self.dpy), code, 0, ctypes.c_ulong(0))
        self.lib.XFlush(ctypes.c_void_p(self.dpy))
        return began


XS = None
ENV = None


# ---------------------------------------------------------------- one run of a program
def peak_memory(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) * 1024
    return 0


class Sample:
    """Quillby started in a folder of its own on a copy of a database (or the bare window)."""

    def __init__(self, database=None, bare=False):
        self.database, self.bare = database, bare

    def __enter__(self):
        self.folder = tempfile.mkdtemp(prefix="quillby-bench-")
        if not self.bare:
            for name in ("Quillby", "Sound_Correct.wav", "Sound_Incorrect.wav"):
                if os.path.exists(os.path.join(BIN, name)):
                    shutil.copy2(os.path.join(BIN, name), self.folder)
            shutil.copy2(self.database, os.path.join(self.folder, "Quillby.mdb"))
        XS.maps.clear()
        XS.pump()
        program = BARE if self.bare else os.path.join(self.folder, "Quillby")
        self.started = time.monotonic()
        self.process = subprocess.Popen([program], cwd=self.folder, env=ENV,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return self

    def __exit__(self, *error):
        self.process.send_signal(signal.SIGKILL)
        self.process.wait()
        shutil.rmtree(self.folder, ignore_errors=True)

    def db(self):
        return os.path.join(self.folder, "Quillby.mdb")

    def counting(self):
        try:
            connection = sqlite3.connect(f"file:{self.db()}?mode=ro", uri=True, timeout=0.05)
            try:
                names = {r[0] for r in connection.execute(
                    "SELECT name FROM sqlite_master WHERE name = 'TALLY_COUNT_PROGRESS' OR "
                    "type = 'trigger'")}
            finally:
                connection.close()
        except sqlite3.Error:
            return True
        return "TALLY_COUNT_PROGRESS" in names or not names

    def wait_for_main_window(self, limit=120):
        """The time from the start to the last paint of the main window (the program shows
        nothing else at the end of its start), and the first map."""
        while not self.bare and self.counting() and time.monotonic() - self.started < limit:
            XS.pump()
            time.sleep(0.01)
        done = XS.wait_quiet(self.started, limit)
        return done

    def main_window(self):
        return XS.maps[-1][1] if XS.maps else 0


def median(values):
    return statistics.median(values) if values else float("nan")


def report(target, figure, met):
    print(f"  {target}: {figure}   {'met' if met else 'NOT met'}", flush=True)
    if not met:
        MISSED.append(target)


def ms(seconds):
    return f"{seconds * 1000:.1f} ms"


def mib(size):
    return f"{size / 1048576:.1f} MiB"


# ---------------------------------------------------------------- the benchmarks
def startup(many):
    quillby, bare, quillby_mem, bare_mem = [], [], [], []
    for _ in range(ROUNDS):
        for kind in ("quillby", "bare"):
            with Sample(many, bare=(kind == "bare")) as sample:
                took = sample.wait_for_main_window()
                memory = peak_memory(sample.process.pid)
            (quillby if kind == "quillby" else bare).append(took)
            (quillby_mem if kind == "quillby" else bare_mem).append(memory)
    q, b = median(quillby), median(bare)
    print(f"start-up to the last paint: Quillby on 100,000 lists {ms(q)}, bare Qt window "
          f"(its own program) {ms(b)}")
    report("start-up within 1.3x of a bare Qt window", f"{q / b:.2f}x", q <= 1.3 * b)
    qm, bm = median(quillby_mem), median(bare_mem)
    report("start-up peak memory within 10 MiB of the bare window's",
           f"{mib(qm)} against {mib(bm)} (+{mib(qm - bm)})", qm - bm <= 10 * 1048576)


def end_key(database):
    times = []
    with Sample(database) as sample:
        sample.wait_for_main_window()
        window = sample.main_window()
        for _ in range(ROUNDS):
            times.append(XS.wait_quiet(XS.key("End", window), 10) or float("nan"))
            XS.wait_quiet(XS.key("Home", window), 10)
    return median(times)


def end_of_grid(many, few):
    large, small = end_key(many), end_key(few)
    print(f"End to the last paint: 100,000 lists {ms(large)}, 100 lists {ms(small)}")
    report("End on 100,000 lists paints the oldest list under 50 ms", ms(large), large < 0.05)


def first_opening(name, old, limit, show_limit=None, memory_limit=None):
    """An old file's first opening against its second (the tallies already counted)."""
    firsts, seconds, shown, memory = [], [], [], []
    for _ in range(2 if memory_limit else 3):
        with Sample(old) as sample:
            firsts.append(sample.wait_for_main_window(600))
            if XS.maps:
                shown.append(XS.maps[0][0] - sample.started)
            memory.append(peak_memory(sample.process.pid))
            counted = os.path.join(CACHE, name + "-counted.mdb")
            shutil.copy2(sample.db(), counted)
        with Sample(counted) as sample:
            seconds.append(sample.wait_for_main_window())
    first, second = median(firsts), median(seconds)
    print(f"first opening of {name}: {ms(first)}; its next opening {ms(second)}")
    report(f"first opening of {name} under {limit} s", ms(first), first < limit)
    if show_limit:
        s = median(shown)
        report(f"the progress window of {name} shows within {show_limit * 1000:.0f} ms",
               ms(s), s < show_limit)
    if memory_limit:
        m = max(memory)
        report(f"peak memory of the first opening of {name} under {mib(memory_limit)}",
               mib(m), m < memory_limit)


# ---- an old file's first opening: the baseline of its progress window
def bare_first_map():
    """From the start of the bare Qt window's program to its window's first map, in this run:
    the least any program's first window takes here, beside the progress window's figure."""
    shown = []
    for _ in range(ROUNDS):
        with Sample(bare=True) as sample:
            sample.wait_for_main_window()
            if XS.maps:
                shown.append(XS.maps[0][0] - sample.started)
    print(f"a bare Qt window's first map (baseline of the progress window): {ms(median(shown))}")


def main():
    global XS, ENV
    display_pipe = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(display_pipe[1]), "-screen", "0",
                               "1280x1024x24", "-nolisten", "tcp"], pass_fds=[display_pipe[1]],
                              stderr=subprocess.DEVNULL)
    display = ":" + os.read(display_pipe[0], 16).decode().strip()
    runtime = tempfile.mkdtemp(prefix="quillby-bench-run-")
    ENV = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=runtime,
               LANG="en_US.UTF-8", LC_ALL="en_US.UTF-8", LANGUAGE="en")
    for variable in ("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "QT_ACCESSIBILITY"):
        ENV.pop(variable, None)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(2))
    try:
        XS = X(display)
        print("== databases (made once into build/bench-cache/screen)", flush=True)
        many = make_database("lists-100000", 100000, 20, 0, False)
        few = make_database("lists-100", 100, 20, 2, False)
        ten_years = make_database("ten-years-old", 500, 20, 20, True)
        two_million = make_database("two-million-old", 1000, 20, 84, True)
        print("== targets", flush=True)
        startup(many)
        end_of_grid(many, few)
        first_opening("the ten-years file (500 x 20 x 20, old shape)", ten_years, 0.4)
        bare_first_map()
        first_opening("a 2-million-answer file (old shape)", two_million, 2.0, 0.2,
                      60 * 1048576)
    finally:
        server.terminate()
        server.wait()
        shutil.rmtree(runtime, ignore_errors=True)
    print("all targets met" if not MISSED else f"{len(MISSED)} targets NOT met", flush=True)
    return 1 if MISSED else 0


if __name__ == "__main__":
    sys.exit(main())
