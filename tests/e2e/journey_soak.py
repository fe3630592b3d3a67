"""A long evening of practice: twenty tests in a row on one list, answered at random (right in
any letter case, or misspelled; a word missed too often is revealed and retyped, sometimes
wrongly first), with set-up choices drawn at random. Every fifth test the program is killed
(SIGKILL) after a random number of answers and started again: the new start takes over the
dead program's lock and stores the test it never finished as far as it went, marked
unfinished, out of the list's count of tests. Once per run the sound server is killed while
the voice says a word, and started again: the test goes on. After each restart and at the end
the database file is checked: intact, no test still marked as running, no answer without its
test, every answer of every finished test stored with it, every answer stored of a killed test
kept with it; the recordings folder holds its recordings and nothing else. The program ends
through Exit with status 0. Runs under scripts/with-audio.sh, with a sound server of its own.

The run prints its random seed first; QUILLBY_E2E_SEED=<seed> replays it."""

import filecmp
import os
import random
import shutil
import signal
import subprocess
import time

from harness import Journey, expect, expect_equal
from quillby_steps import (answer_word, list_rows, main_window, results_summary,
                           retype_revealed, seed_list)

TESTS = 20
KILL_EVERY = 5
AUDIO_SERVER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts",
                            "audio-server.sh")
# Created in another order than the alphabetical one, so that both orders show.
WORDS = [(1, "grape", "it grows in bunches on a vine"),
         (2, "apple", "a round fruit that grows on trees"),
         (3, "cherry", "a small red fruit with a stone"),
         (4, "banana", "a long yellow fruit"),
         (5, "lemon", "a sour yellow fruit")]
WORD_IDS = {word: word_id for word_id, word, _ in WORDS}
BY_DEFINITION = {definition: word for _, word, definition in WORDS}
# Words with a recording of their own; the others are spoken by the voice.
RECORDED = ("APPLE", "CHERRY")
ORDERS = {"Alphabetical": sorted(WORD_IDS), "Order Created": [w for _, w, _ in WORDS],
          "Random": None}


def misspelled(rng, word):
    """The word with one letter dropped, doubled, swapped with the next or changed."""
    while True:
        i = rng.randrange(len(word) - 1)
        letters = list(word)
        kind = rng.choice(("drop", "double", "swap", "change"))
        if kind == "drop":
            del letters[i]
        elif kind == "double":
            letters.insert(i, letters[i])
        elif kind == "swap":
            letters[i], letters[i + 1] = letters[i + 1], letters[i]
        else:
            letters[i] = rng.choice("aeiouy")
        guess = "".join(letters)
        if guess.upper() != word.upper():
            return guess


class Soak:
    """The running program, the settings of the tests it runs, and every answer typed."""

    def __init__(self, journey, rng):
        self.journey = journey
        self.rng = rng
        self.app = None
        self.move_on = None
        self.order = None
        self.finished = {}  # TEST_ID: the stored rows its answers must be
        self.killed = {}    # TEST_ID of a test whose program was killed: the answers typed
        self.kill_moment = None
        self.storing = set()  # killed tests whose last answer may not have been stored
        # The test in which the sound server dies while a word is said: one that is not killed.
        self.server_test = rng.choice([n for n in range(1, TESTS + 1) if n % KILL_EVERY])
        self.recording = os.path.join(journey.folder, "Sound_Correct.wav")

    # The program.
    def start(self):
        self.app = self.journey.start("Quillby")
        main_window(self.app)
        expect_equal(self.lock_owner(), self.app.process.pid, "the pid in the lock file")

    def lock_owner(self):
        path = os.path.realpath(self.journey.database) + ".lock"
        with open(path) as lock:
            return int(lock.readline())

    def kill(self, test_id, typed):
        """Kills the program in the middle of a test; unless the last answer may still be
        being stored, all answers typed are stored by then."""
        if self.kill_moment != "storing":
            expect_equal(self.attempts(test_id), sorted(typed),
                         f"the answers of running test {test_id}")
        killed_pid = self.app.process.pid
        self.app.kill()
        expect_equal(self.app.process.returncode, -signal.SIGKILL, "the killed program's status")
        self.killed[test_id] = list(typed)
        if self.kill_moment == "storing":
            self.storing.add(test_id)
        expect_equal(self.lock_owner(), killed_pid, "the pid in the lock left by the killed program")

    def start_from_setup(self):
        """Test on the main window, with set-up choices drawn at random."""
        self.move_on = self.rng.randint(1, 3)
        self.order = self.rng.choice(sorted(ORDERS))
        clear = self.rng.random() < 0.5
        self.app.step(f"a test with move on after {self.move_on}, {self.order} order, "
                      f"{'clearing' if clear else 'keeping'} wrong answers")
        self.app.click(main_window(self.app).find("push button", "Test"))
        setup = self.app.window("Test Setup")
        self.app.choose(setup.find("combo box", "Go to the next word after"), str(self.move_on))
        self.app.choose(setup.find("combo box", "Word Order"), self.order)
        box = setup.find("check box", "Clear Incorrect Answers")
        if box.checked != clear:
            self.app.click(box)
            self.app.wait_until(lambda: box.checked == clear, 5, "the clear box to change")
        self.app.click(setup.find("push button", "Continue"))

    # One test.
    def take_test(self, number, kill_after):
        """Answers the words until the results show (True), or kills the program after
        kill_after answers (False)."""
        app = self.app
        app.step(f"test {number}" + (f", killed after {kill_after} answers" if kill_after else ""))
        definition = app.window("Test").find("text", "Definition")
        running = self.journey.query("SELECT TEST_ID FROM RUNNING_TESTS")
        expect_equal(len(running), 1, "tests marked as running during a test")
        test_id = running[0]["TEST_ID"]
        typed, asked = [], []
        for _ in WORDS:
            word = app.wait_until(lambda: self.new_word(definition.text, asked),
                                  what="the next word's definition")
            asked.append(word)
            if number == self.server_test and word.upper() not in RECORDED:
                self.kill_sound_server(word)
            if self.answer(word, typed, kill_after):
                self.kill(test_id, typed)
                print(f"  test {test_id} killed ({self.kill_moment}) after "
                      f"{[t[1] for t in typed]}", flush=True)
                return False
        if ORDERS[self.order] is not None:
            expect_equal(asked, ORDERS[self.order], f"the words asked in {self.order} order")
        self.check_results(test_id, typed)
        print(f"  test {test_id} finished: {[t[1] for t in typed]}", flush=True)
        return True

    def kill_sound_server(self, word):
        """Kills the sound server while the voice says the word, then starts it again."""
        app = self.app
        app.step(f"the sound server dies while {word} is said")
        self.server_test = None
        app.click(app.window("Test").find("push button", "Pronounce"))
        app.wait_until(lambda: subprocess.run(["pactl", "list", "short", "sink-inputs"],
                                              capture_output=True, text=True,
                                              timeout=10).stdout.strip(),
                       5, "the word to start playing")
        subprocess.run(["bash", AUDIO_SERVER, "kill"], check=True, timeout=60)
        time.sleep(1.0)  # a while without the server: time is what is checked here
        app.check_alive(f"the sound server died while {word} was said")
        subprocess.run(["bash", AUDIO_SERVER, "start"], check=True, timeout=60)

    @staticmethod
    def new_word(definition, asked):
        word = BY_DEFINITION.get(definition)
        return word if word is not None and word not in asked else None

    def answer(self, word, typed, kill_after):
        """Answers one word until it is right or revealed; True once kill_after answers of
        the test are typed and the program is to be killed."""
        for attempt in range(1, self.move_on + 1):
            right = self.rng.random() < 0.6
            guess = self.rng.choice((word, word.capitalize(), word.upper())) if right \
                else misspelled(self.rng, word)
            typed.append((WORD_IDS[word], guess, "CORRECT" if right else "INCORRECT", attempt))
            top = "Correct" if right else "Incorrect"
            bottom = word if right else ("Try Again" if attempt < self.move_on else "")
            if len(typed) == kill_after:
                self.last_answer(guess, top, bottom)
                return True
            answer_word(self.app, guess, top, bottom)
            if right:
                return False
        wrong = misspelled(self.rng, word) if self.rng.random() < 0.3 else None
        retype_revealed(self.app, word, wrong)
        return False

    def last_answer(self, guess, top, bottom):
        """The answer the kill follows, and the moment of the kill: while the answer is being
        stored, while its feedback shows, or once the test has gone on (a reveal, the next
        word)."""
        self.kill_moment = self.rng.choice(("storing", "feedback", "after"))
        if self.kill_moment == "after":
            answer_word(self.app, guess, top, bottom)
            return
        answer_word(self.app, guess, None)
        if self.kill_moment == "feedback":
            self.app.window("Message...")
        else:
            time.sleep(self.rng.uniform(0, 0.2))  # the moment itself, not a wait for anything

    def check_results(self, test_id, typed):
        summary = results_summary(self.app)
        self.app.check_alive(f"after test {test_id} ended")
        first_try = sum(1 for _, _, result, attempt in typed
                        if attempt == 1 and result == "CORRECT")
        moved_on = sum(1 for _, _, result, attempt in typed
                       if attempt == self.move_on and result == "INCORRECT")
        expect_equal((summary["Score"], summary["First Try"], summary["Words on Test"],
                      summary["Moved on"]),
                     (f"{round(100 * first_try / len(WORDS))} %", str(first_try), str(len(WORDS)),
                      str(moved_on)), f"the summary of test {test_id}")
        tests = self.journey.query("SELECT MOVE_ON_AFTER FROM TESTS WHERE TEST_ID = ?", test_id)
        expect_equal(tests, [{"MOVE_ON_AFTER": self.move_on}], f"the row of test {test_id}")
        expect_equal(self.attempts(test_id), sorted(typed), f"the answers of test {test_id}")
        self.finished[test_id] = sorted(typed)

    def test_again(self, yes):
        self.app.click(self.app.window("Test Results").find("push button", "Close"))
        self.app.answer_message("Yes" if yes else "No", expect="Test Again?")

    # The files.
    def attempts(self, test_id):
        rows = self.journey.query("SELECT WORD_ID, GUESS, RESULT, ATTEMPT_NUMBER FROM "
                                  "WORD_ATTEMPTS WHERE TEST_ID = ?", test_id)
        return sorted(tuple(row.values()) for row in rows)

    def check_files(self, when):
        """The database and the recordings folder while no test runs."""
        query = self.journey.query
        expect_equal(query("PRAGMA integrity_check"), [{"integrity_check": "ok"}],
                     f"the database's integrity {when}")
        expect_equal(query("SELECT * FROM RUNNING_TESTS"), [], f"tests marked running {when}")
        orphans = query("SELECT DISTINCT TEST_ID FROM WORD_ATTEMPTS WHERE TEST_ID NOT IN "
                        "(SELECT TEST_ID FROM TESTS)")
        expect_equal(orphans, [], f"answers without their test {when}")
        stored = query("SELECT TEST_ID FROM TESTS WHERE UNFINISHED IS NULL ORDER BY TEST_ID")
        expect_equal([row["TEST_ID"] for row in stored], sorted(self.finished),
                     f"the finished tests {when}")
        for test_id, rows in self.finished.items():
            expect_equal(self.attempts(test_id), rows, f"the answers of test {test_id} {when}")
        kept = [row["TEST_ID"] for row in
                query("SELECT TEST_ID FROM TESTS WHERE UNFINISHED = 1 ORDER BY TEST_ID")]
        for test_id, typed in self.killed.items():
            answers = self.attempts(test_id)
            # Killed while its last answer was being stored: that answer may be missing.
            allowed = [sorted(typed)]
            if test_id in self.storing:
                allowed.append(sorted(typed[:-1]))
            expect(answers in allowed,
                   f"the answers of killed test {test_id} {when}: {answers}, typed {typed}")
            expect_equal(test_id in kept, bool(answers),
                         f"killed test {test_id} kept as unfinished {when}")
        expect_equal(sorted(set(kept) - set(self.killed)), [],
                     f"unfinished tests that were not killed {when}")
        wavs = os.path.join(self.journey.folder, "Wavs")
        expect_equal(sorted(os.listdir(wavs)), sorted(f"{name}.wav" for name in RECORDED),
                     f"the recordings folder {when}")
        for name in RECORDED:
            expect(filecmp.cmp(os.path.join(wavs, f"{name}.wav"), self.recording, shallow=False),
                   f"the recording of {name} is unchanged {when}")
        parts = [name for name in os.listdir(self.journey.folder) if name.endswith(".part")]
        expect_equal(parts, [], f"half-copied files in the program's folder {when}")


def seed_recordings(journey):
    wavs = os.path.join(journey.folder, "Wavs")
    os.makedirs(wavs)
    for name in RECORDED:
        shutil.copy2(os.path.join(journey.folder, "Sound_Correct.wav"),
                     os.path.join(wavs, f"{name}.wav"))


seed = int(os.environ.get("QUILLBY_E2E_SEED") or time.time_ns() % 1_000_000)
print(f"journey soak: seed {seed} (replay with QUILLBY_E2E_SEED={seed})", flush=True)

with Journey("soak") as journey:
    seed_list(journey, 1, "2099-06-11", WORDS)
    seed_recordings(journey)
    soak = Soak(journey, random.Random(seed))
    soak.start()
    soak.start_from_setup()
    for number in range(1, TESTS + 1):
        killed = number % KILL_EVERY == 0
        kill_after = soak.rng.randint(1, len(WORDS) - 1) if killed else None
        if soak.take_test(number, kill_after):
            soak.test_again(yes=number < TESTS)
            continue
        soak.start()
        expect_equal(list_rows(soak.app), [[str(len(WORDS)), str(len(soak.finished))]],
                     "the list's words and tests after the restart")
        soak.check_files(f"after the restart that followed test {number}")
        if number < TESTS:
            soak.start_from_setup()

    expect_equal(soak.server_test, None, "the sound server was killed during a word")
    expect_equal(len(soak.finished), TESTS - TESTS // KILL_EVERY, "finished tests")
    soak.app.exit_through(main_window(soak.app).find("push button", "Exit"))
    soak.check_files("after Exit")
    expect(not os.path.exists(os.path.realpath(journey.database) + ".lock"),
           "the lock file is gone after Exit")
