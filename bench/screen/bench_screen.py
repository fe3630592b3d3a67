#!/usr/bin/python3
"""What the user waits for, on a virtual screen: the real Quillby is started as a process on
its own Xvfb, keys are sent through XTest, and each wait is timed to the last damage of the
screen (XDamage: the moment the last paint reached the screen, followed by a quiet spell),
beside the same wait on a small database, or of a bare Qt window built as its own program,
in the same run. Each target is printed with "met" or "NOT met"; the exit status is 1 when
one is not met. Databases are generated the way years of use leave them and never analysed;
Quillby is killed after each sample, so that no run of it analyses them either."""

import ctypes
import hashlib
import os
import select
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
STARTUP_ROUNDS = 11
MISSED = []
ONLY = []


def source_dir():
    with open(os.path.join(BUILD, "CMakeCache.txt")) as cache:
        for line in cache:
            if line.startswith("CMAKE_HOME_DIRECTORY:INTERNAL="):
                return line.split("=", 1)[1].strip()
    raise SystemExit("bench_screen: no CMakeCache.txt in " + BUILD)


# ---------------------------------------------------------------- databases
def new_cache_file(name):
    """The cached file `name` and, when it is not made yet, its work file (`.part`, renamed
    when done) open with the schema in it, and the schema's text."""
    schema = open(os.path.join(source_dir(), "assets", "schema.sql")).read()
    # Named after the schema too: a file made before a change of the schema would have its new
    # indexes made by Quillby in every sample, which is no user's start but the first.
    version = hashlib.sha1(schema.encode()).hexdigest()[:8]
    path = os.path.join(CACHE, f"{name}-{version}.mdb")
    if os.path.exists(path):
        return path, None, None, None
    os.makedirs(CACHE, exist_ok=True)
    work = path + ".part"
    if os.path.exists(work):
        os.remove(work)
    db = sqlite3.connect(work)
    db.executescript(schema)
    return path, work, db, schema


def lists_and_words(n, lists, words):
    """SQL for a temporary table N of the numbers 1 to n, then `lists` weekly lists of `words`
    words each (numbered from 1)."""
    return f"""CREATE TEMP TABLE N (I INTEGER PRIMARY KEY);
        WITH RECURSIVE C(I) AS (SELECT 1 UNION ALL SELECT I + 1 FROM C WHERE I < {n})
            INSERT INTO N SELECT I FROM C;
        INSERT INTO LISTS SELECT I, date('2001-01-01', '+' || (7 * I) || ' days'),
            date('2001-01-05', '+' || (7 * I) || ' days'),
            date('2001-01-05', '+' || (7 * I) || ' days'), '2001-01-01 10:00:00', 'IGNORED'
            FROM N WHERE I <= {lists};
        INSERT INTO WORDS SELECT I, (I - 1) / {words} + 1, 'word' || I, '', '', 'FALSE'
            FROM N WHERE I <= {lists * words};"""


def make_database(name, lists, words, tests, old_shape):
    """A file of `lists` lists of `words` words with `tests` tests each, one answer per word
    and test plus a second try after each miss (one in five). old_shape: as a Quillby older
    than the answer tallies left it. Made once per shape, in the build's cache."""
    path, work, db, schema = new_cache_file(name)
    if not db:
        return path
    for (kind, object_name) in db.execute("SELECT type, name FROM sqlite_master WHERE "
                                          "type = 'trigger'").fetchall():
        db.execute(f"DROP TRIGGER {object_name}")
    indexes = db.execute("SELECT name, sql FROM sqlite_master WHERE type = 'index' AND "
                         "tbl_name = 'WORD_ATTEMPTS' AND sql IS NOT NULL").fetchall()
    for index_name, _ in indexes:
        db.execute(f"DROP INDEX {index_name}")
    n = max(lists * tests, lists * words, lists)
    db.executescript(f"""
        {lists_and_words(n, lists, words)}
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
        for table in ("TEST_TALLIES", "WORD_TALLIES", "GUESS_TALLIES", "LIST_FIRST_TRIES",
                      "LIST_TOTAL"):
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
        focus(window)
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
            # The modules loaded on first use (sound among them), as beside the program.
            if os.path.isdir(os.path.join(BIN, "plugins")):
                os.symlink(os.path.join(BIN, "plugins"), os.path.join(self.folder, "plugins"))
            copy_with_log(self.database, os.path.join(self.folder, "Quillby.mdb"))
        # What earlier samples and the copies above left to write (a killed Quillby's backup
        # of the whole file, the copied program and database) is on the disk before the start:
        # the kernel writing it back meanwhile would slow one program's start and not the
        # other's.
        os.sync()
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
    # One start of each first, not counted: with no session bus in the environment the first
    # program on a new screen starts one for it, and the files each one reads come into the
    # cache.
    for kind in ("quillby", "bare"):
        with Sample(many, bare=(kind == "bare")) as sample:
            sample.wait_for_main_window()
    # Start-up times spread widely from one start to the next on a virtual machine: more
    # rounds than the other figures, for a steady median.
    for _ in range(STARTUP_ROUNDS):
        for kind in ("quillby", "bare"):
            with Sample(many, bare=(kind == "bare")) as sample:
                took = sample.wait_for_main_window()
                memory = peak_memory(sample.process.pid)
            (quillby if kind == "quillby" else bare).append(took)
            (quillby_mem if kind == "quillby" else bare_mem).append(memory)
    q, b = median(quillby), median(bare)
    load = ", ".join(f"{figure:.2f}" for figure in os.getloadavg())
    print(f"start-up to the last paint: Quillby on 100,000 lists {ms(q)}, bare Qt window "
          f"(its own program) {ms(b)} (load average {load})")
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
            copy_with_log(sample.db(), counted)
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


# ---- Past Tests flat in the number of tests
def make_past_tests_database(tests):
    """Twenty lists of 20 words with 30 tests each, and a newest list (the one the main window
    selects) with `tests` tests, eight hours apart, every tenth a practice round of the test
    before it: one answer per word and test, a second try after each miss. In today's shape
    (tallies counted, triggers made), never analysed."""
    name = f"past-tests-{tests}"
    path, work, db, schema = new_cache_file(name)
    if not db:
        return path
    for (object_name,) in db.execute("SELECT name FROM sqlite_master WHERE type = 'trigger'"
                                     ).fetchall():
        db.execute(f"DROP TRIGGER {object_name}")
    lists, words, few = 21, 20, 30
    total = (lists - 1) * few + tests
    db.executescript(f"""
        {lists_and_words(total, lists, words)}
        CREATE TEMP TABLE T AS SELECT I AS TEST_ID,
            MIN((I - 1) / {few} + 1, {lists}) AS LIST_ID,
            datetime('2002-01-01 16:00:00', '+' || (8 * I) || ' hours') AS START_TIME
            FROM N;
        INSERT INTO TESTS (TEST_ID, LIST_ID, MOVE_ON_AFTER, START_TIME, END_TIME, PRACTICE_OF)
            SELECT TEST_ID, LIST_ID, 3, START_TIME, datetime(START_TIME, '+4 minutes'),
                CASE WHEN TEST_ID % 10 = 0 THEN TEST_ID - 1 END
            FROM T;
        WITH RECURSIVE K(I) AS (SELECT 1 UNION ALL SELECT I + 1 FROM K WHERE I < {words})
            INSERT INTO WORD_ATTEMPTS SELECT T.TEST_ID, T.LIST_ID,
                (T.LIST_ID - 1) * {words} + K.I,
                CASE WHEN (T.TEST_ID * 7 + K.I) % 5 = 0 THEN 'wrod' || (K.I % 3) ELSE 'word' END,
                CASE WHEN (T.TEST_ID * 7 + K.I) % 5 = 0 THEN 'INCORRECT' ELSE 'CORRECT' END, 1
            FROM T CROSS JOIN K;
        INSERT INTO WORD_ATTEMPTS SELECT TEST_ID, LIST_ID, WORD_ID, 'word', 'CORRECT', 2
            FROM WORD_ATTEMPTS WHERE RESULT = 'INCORRECT';
        DROP TABLE N;
        DROP TABLE T;
    """)
    # The tallies counted from the rows and their triggers made, as Quillby's first opening
    # leaves a file (it opens a copy of it in each sample).
    for statement in schema_statements(schema):
        if statement.startswith(("INSERT", "CREATE TRIGGER")):
            db.execute(statement)
    db.commit()
    db.close()
    os.rename(work, path)
    return path


def schema_statements(schema):
    """The schema's statements whole (a trigger with its body), comments left out."""
    statements, current = [], ""
    for line in schema.splitlines():
        current += line.split("--", 1)[0] + "\n"
        if sqlite3.complete_statement(current):
            statements.append(current.strip())
            current = ""
    return statements


def focus(window):
    """Gives a window the keyboard (there is no window manager to do it). A window that gets it
    repaints what shows its being active: done ahead of a timed key, that is not in its time."""
    XS.lib.XSetInputFocus(ctypes.c_void_p(XS.dpy), ctypes.c_ulong(window), 1, ctypes.c_ulong(0))
    XS.lib.XSync(ctypes.c_void_p(XS.dpy), 0)


def alt_key(letter, window):
    """Alt+letter through XTest, as a user opens a menu command; returns when it was sent."""
    display = ctypes.c_void_p(XS.dpy)

    def code(name):
        return XS.lib.XKeysymToKeycode(display, ctypes.c_ulong(
            XS.lib.XStringToKeysym(name.encode())))
    focus(window)
    alt, key = code("Alt_L"), code(letter)
    XS.pump()
    began = time.monotonic()
    for keycode, down in ((alt, 1), (key, 1), (key, 0), (alt, 0)):
        XS.xtest.XTestFakeKeyEvent(display, keycode, down, ctypes.c_ulong(0))
    XS.lib.XFlush(display)
    return began


def processor_ticks(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])  # utime + stime


def wait_idle(pid, quiet=0.3, limit=60.0):
    """Waits until the program used no processor time for `quiet` seconds: what it does after
    its window shows (the day's backup of the file, which takes longer the larger the file)
    is over before the key is sent, so that the key times Past Tests alone."""
    began = time.monotonic()
    last, since = processor_ticks(pid), time.monotonic()
    while time.monotonic() - began < limit:
        time.sleep(0.05)
        XS.pump()
        ticks = processor_ticks(pid)
        if ticks != last:
            last, since = ticks, time.monotonic()
        elif time.monotonic() - since >= quiet:
            return


def open_past_tests(database):
    """The time from Alt+P in the main window to the last paint of Past Tests (and the results
    of its oldest test beside it), in a new Quillby."""
    with Sample(database) as sample:
        sample.wait_for_main_window()
        window = sample.main_window()
        # Active, as the window a user presses keys in is (the key only opens Past Tests).
        focus(window)
        wait_idle(sample.process.pid)
        return XS.wait_quiet(alt_key("p", window), 20) or float("nan")


def past_tests_flat():
    sizes = (30, 2000, 10000)
    databases = {size: make_past_tests_database(size) for size in sizes}
    # The sizes in turns, each round in another order, so that a machine busy for a while
    # weighs on every size alike; the median of each.
    times = {size: [] for size in sizes}
    for round_ in range(ROUNDS):
        for k in range(len(sizes)):
            size = sizes[(round_ + k) % len(sizes)]
            times[size].append(open_past_tests(databases[size]))
    took = {size: median(times[size]) for size in sizes}
    print("Past Tests, Alt+P to the last paint: " +
          ", ".join(f"{size:,} tests {ms(took[size])}" for size in sizes) +
          " (baseline: the 30 tests, same run)", flush=True)
    report("Past Tests under 50 ms at 2,000 tests", ms(took[2000]), took[2000] < 0.05)
    ratio = took[10000] / took[30]
    report("Past Tests within 1.2x from 30 to 10,000 tests", f"{ratio:.2f}x", ratio <= 1.2)


# ---- a test's keys and deleting a word or a list
# A child's test of a 50-word list and a parent's deletions, on a file of years of use (500
# weekly lists of 50 words, 20 tests each) beside a small one (12 lists, 2 tests each). The
# settings are a parent's defaults (each word pronounced with the voice, the sounds of a right
# and a wrong answer) except the temporary messages, set to "None": otherwise each answer
# waits on its notice (3 seconds), by design.
PRACTICE_WORDS = 50
TYPED_QUIET = 0.1   # seconds without damage after typing an answer, before Enter
ENTER_QUIET = 0.3   # after Enter: the next word's paint is one frame, a pause ends it
THIN = 12           # damage this narrow is the answer box's blinking cursor, not a paint


def practice_database(name, lists, tests):
    """make_database's file of 50-word lists with a definition and a sentence for each word
    (so that each word repaints its clues) and the settings row described above."""
    source = make_database(name, lists, PRACTICE_WORDS, tests, False)
    path = source[:-len(".mdb")] + "-practice.mdb"
    if os.path.exists(path):
        return path
    work = path + ".part"
    shutil.copy2(source, work)
    db = sqlite3.connect(work)
    # Words a voice says as one word, as a spelling word is: a syllable for each digit of
    # the word's number (24951 "kimutunade"), not "word24951".
    spelled = "CAST(WORD_ID AS TEXT)"
    for digit, syllable in enumerate(("ba", "de", "ki", "lo", "mu", "na", "pe", "ri", "so",
                                      "tu")):
        spelled = f"replace({spelled}, '{digit}', '{syllable}')"
    db.execute(f"UPDATE WORDS SET WORD = {spelled}")
    db.execute("UPDATE WORDS SET DEFINITION = 'what the word ' || WORD || ' means', "
               "SENTENCE = 'A sentence that uses ' || WORD || ' once.'")
    # The counters past the rows made, as the program's own counters would be: a new test
    # must not take the number of a stored one.
    for code, table in (("LIST_ID", "LISTS"), ("WORD_ID", "WORDS"), ("TEST_ID", "TESTS")):
        db.execute("DELETE FROM IDS WHERE CODE = ?", (code,))
        db.execute(f"INSERT INTO IDS (CODE, VALUE) SELECT ?, MAX({code}) FROM {table}", (code,))
    db.execute("DELETE FROM OPTIONS")
    db.execute("INSERT INTO OPTIONS VALUES ('FALSE', 'TRUE', 'TRUE', 'TRUE', 'Alphabetical', "
               "3, 'TRUE', 'TRUE', 'FALSE', 'TRUE', 'TRUE', 0, 'Fridays', 'TRUE', 'TRUE')")
    db.commit()
    db.close()
    os.rename(work, path)
    return path


def press(window, *names):
    """Presses the keys named together (Alt_L and t: Alt+T) in a window; returns the time
    they went down."""
    lib, dpy = XS.lib, ctypes.c_void_p(XS.dpy)
    focus(window)
    codes = [lib.XKeysymToKeycode(dpy, ctypes.c_ulong(lib.XStringToKeysym(n.encode())))
             for n in names]
    XS.pump()
    began = time.monotonic()
    for code in codes:
        XS.xtest.XTestFakeKeyEvent(dpy, code, 1, ctypes.c_ulong(0))
    for code in reversed(codes):
        XS.xtest.XTestFakeKeyEvent(dpy, code, 0, ctypes.c_ulong(0))
    lib.XFlush(dpy)
    return began


def painted(since, limit, quiet):
    """Like X.wait_quiet, with a blinking cursor's damage left out: the time from `since` to
    the last damage wider than THIN after a quiet spell (None when none came)."""
    last = 0.0
    while True:
        while XS.lib.XPending(ctypes.c_void_p(XS.dpy)):
            XS.lib.XNextEvent(ctypes.c_void_p(XS.dpy), XS.event)
            kind = ctypes.c_int.from_buffer(XS.event).value
            now = time.monotonic()
            if kind == 19:
                window = XS.event[5]
                XS.damage.XDamageCreate(ctypes.c_void_p(XS.dpy), window, 0)
                XS.watched.append(window)
                XS.maps.append((now, window))
            elif kind == XS.damage_notify:
                # XDamageNotifyEvent: the damaged area's x, y, width, height at byte 64.
                width = ctypes.c_ushort.from_buffer(XS.event, 68).value
                if width > THIN:
                    last = now
        now = time.monotonic()
        if (last and now - last >= quiet) or now - since > limit:
            return last - since if last else None
        # Woken by the next event at once: a damage is timed to within a fraction of a ms.
        select.select([XS.lib.XConnectionNumber(ctypes.c_void_p(XS.dpy))], [], [], 0.01)


def new_window(maps_before, limit=30):
    """The next window mapped after `maps_before` maps, once its paint has settled."""
    started = time.monotonic()
    while len(XS.maps) <= maps_before:
        XS.pump()
        if time.monotonic() - started > limit:
            raise SystemExit("bench_screen: a window expected did not open")
        time.sleep(0.005)
    XS.wait_quiet(started, limit)
    return XS.maps[-1][1]


def read_one(sample, sql, *arguments):
    connection = sqlite3.connect(f"file:{sample.db()}?mode=ro", uri=True, timeout=5)
    try:
        return connection.execute(sql, arguments).fetchall()
    finally:
        connection.close()


def one_test(database):
    """A whole test of the newest list, every answer right: Enter to the next word's last
    paint for each word but the last, and the last Enter to the results' last paint."""
    with Sample(database) as sample:
        sample.wait_for_main_window()
        maps = len(XS.maps)
        press(sample.main_window(), "Alt_L", "t")
        setup = new_window(maps)
        maps = len(XS.maps)
        press(setup, "Return")
        test = new_window(maps)
        test_id, list_id = read_one(sample, "SELECT TEST_ID, LIST_ID FROM RUNNING_TESTS")[0]
        words = [r[0] for r in read_one(sample, "SELECT WORD FROM WORDS WHERE LIST_ID = ? "
                                        "ORDER BY WORD", list_id)]
        enters = []
        for number, word in enumerate(words):
            for letter in word:
                press(test, letter)
            painted(time.monotonic(), 5, TYPED_QUIET)
            began = press(test, "Return")
            if number < len(words) - 1:
                enters.append(painted(began, 10, ENTER_QUIET) or float("nan"))
            else:
                results = painted(began, 30, QUIET) or float("nan")
        stored = read_one(sample, "SELECT COUNT(*) FROM WORD_ATTEMPTS WHERE RESULT = 'CORRECT' "
                          "AND TEST_ID = ? AND EXISTS (SELECT * FROM TESTS WHERE TEST_ID = ?)",
                          test_id, test_id)[0][0]
        if stored != len(words):
            raise SystemExit(f"bench_screen: the test stored {stored} right answers, "
                             f"not {len(words)}")
    return enters, results


def test_waits(big, small):
    enters = {big: [], small: []}
    results = {big: [], small: []}
    for _ in range(max(2, ROUNDS // 2)):
        for database in (big, small):
            e, r = one_test(database)
            enters[database] += e
            results[database].append(r)
    eb, es = median(enters[big]), median(enters[small])
    rb, rs = median(results[big]), median(results[small])
    # Without a sound server (scripts/with-audio.sh gives one) each word is still rendered
    # by the voice inside the Enter, but no stream is opened to play it.
    sound = "played" if os.environ.get("PULSE_SERVER") else "rendered, no sound server"
    print(f"a 50-word test (each word said by the voice, {sound}): Enter to the next word's "
          f"last paint {ms(eb)} on years of tests, {ms(es)} on a small file; the last Enter to the "
          f"results' last paint {ms(rb)}, {ms(rs)} on the small file")
    report("Enter to the next word under 10 ms", f"{ms(eb)} (small file {ms(es)})", eb < 0.010)
    report("the results window under 40 ms", f"{ms(rb)} (small file {ms(rs)})", rb < 0.040)


def confirmed(opener, keys):
    """Opens a question with keys in `opener` and answers Yes: Shift+Tab to the Yes button
    (No is the default), then Space, as a click does; the time from Space to the last paint.
    (Alt+Y would add the 100 ms for which Qt shows a button pressed by its access key.)"""
    maps = len(XS.maps)
    press(opener, *keys)
    question = new_window(maps)
    press(question, "Shift_L", "Tab")
    painted(time.monotonic(), 5, TYPED_QUIET)
    took = painted(press(question, "space"), 30, QUIET)
    return took if took is not None else float("nan")


def deletions(database):
    """Deleting the list editor's first word, then the newest list, ROUNDS times each."""
    words, lists = [], []
    with Sample(database) as sample:
        sample.wait_for_main_window()
        main = sample.main_window()
        maps = len(XS.maps)
        press(main, "Alt_L", "e")
        editor = new_window(maps)
        for _ in range(ROUNDS):
            words.append(confirmed(editor, ("Alt_L", "d")))
        press(editor, "Control_L", "w")
        XS.wait_quiet(time.monotonic(), 10)
        for _ in range(ROUNDS):
            lists.append(confirmed(main, ("Alt_L", "d")))
    return median(words), median(lists)


def delete_waits(big, small):
    word_big, list_big = deletions(big)
    word_small, list_small = deletions(small)
    print(f"deleting a word (list editor): {ms(word_big)} on years of tests, {ms(word_small)} "
          f"on a small file; deleting a list: {ms(list_big)}, {ms(list_small)}")
    report("deleting a word under 100 ms", f"{ms(word_big)} (small file {ms(word_small)})",
           word_big < 0.1)
    report("deleting a list under 100 ms", f"{ms(list_big)} (small file {ms(list_small)})",
           list_big < 0.1)


def practice_and_deleting():
    big = practice_database("years-500x50x20", 500, 20)
    small = practice_database("small-12x50x2", 12, 2)
    test_waits(big, small)
    delete_waits(big, small)


# ---- an old file's first opening: the baseline of its progress window
def copy_with_log(database, copy):
    """A copy of a database that Quillby left open, with its write-ahead log beside it (the
    file alone may lack what was committed last), and no stale log beside the copy."""
    shutil.copy2(database, copy)
    for suffix in ("-wal", "-shm"):
        if os.path.exists(copy + suffix):
            os.remove(copy + suffix)
    if os.path.exists(database + "-wal"):
        shutil.copy2(database + "-wal", copy + "-wal")


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
    global XS, ENV, ONLY
    # Section names on the command line run only those sections, in that order.
    ONLY = sys.argv[1:]
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
        sections = {
            "startup": lambda: startup(many),
            "end_of_grid": lambda: end_of_grid(many, few),
            "first_opening": lambda: first_opening(
                "the ten-years file (500 x 20 x 20, old shape)", ten_years, 0.4),
            "bare_first_map": bare_first_map,
            "two_million": lambda: first_opening("a 2-million-answer file (old shape)",
                                                 two_million, 2.0, 0.2, 60 * 1048576),
            "past_tests_flat": past_tests_flat,
            "practice_and_deleting": practice_and_deleting,
        }
        unknown = [name for name in ONLY if name not in sections]
        if unknown:
            raise SystemExit("bench_screen: no section " + ", ".join(unknown) +
                             "; the sections: " + " ".join(sections))
        for name in ONLY or sections:
            sections[name]()
    finally:
        server.terminate()
        server.wait()
        shutil.rmtree(runtime, ignore_errors=True)
    print("all targets met" if not MISSED else f"{len(MISSED)} targets NOT met", flush=True)
    return 1 if MISSED else 0


if __name__ == "__main__":
    sys.exit(main())
