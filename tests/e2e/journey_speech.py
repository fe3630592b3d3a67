"""A word without a recording is spoken by the computer's voice. The parent turns "Speak words
that have no recording" off: after a restart the options window shows it off and the list
editor offers no Pronounce for the word. Turned on again, Pronounce speaks the word at once,
and the voice reaches the sound server's speaker. Then the sound server is killed while the
voice says a word of a test: Quillby lives on, the rest of the test is said (silently) and
answered, the test is stored whole. Record in the word editor with the server still gone
says that the recording could not be made, and the word keeps its recording. Quillby ends
cleanly after the server came back.
Runs under scripts/with-audio.sh."""

import os
import shutil
import struct
import subprocess
import threading
import time

from harness import Journey, expect, expect_equal
from quillby_steps import answer_word, clue, main_window, results_summary, seed_list

SPEAK = "Speak words that have no recording"
AUDIO_SERVER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts",
                            "audio-server.sh")
# The first word is spoken; the second has a recording, the third is spoken right after it.
WORDS = [(1, "giraffe", "a tall animal"), (2, "zebra", "a striped horse"),
         (3, "hippo", "a big river animal")]
BY_DEFINITION = {definition: word for _, word, definition in WORDS}


def set_speech(app, on):
    app.click(main_window(app).find("push button", "Options"))
    options = app.window("Options", role="dialog")
    app.click(options.find("page tab", "General Defaults"))
    box = options.find("check box", SPEAK)
    if box.checked != on:
        app.click(box)
        app.wait_until(lambda: box.checked == on, 5, "the speech box to change")
    app.click(options.find("push button", "Save Settings"))
    app.dismiss_notice("Settings Saved")
    app.wait_closed("Options")


def open_list_editor(app):
    main = main_window(app)
    app.click(main.find("table", "Existing Word Lists").find("table cell"))
    app.click(main.find("push button", "Edit List"))
    return app.window("Edit Word List")


def sink_inputs():
    result = subprocess.run(["pactl", "list", "short", "sink-inputs"], capture_output=True,
                            text=True, timeout=10)
    return [line for line in result.stdout.splitlines() if line.strip()]


def audio_server(action):
    subprocess.run(["bash", AUDIO_SERVER, action], check=True, timeout=60)


def mapped(app):
    """The files of libraries the process has mapped."""
    with open(f"/proc/{app.process.pid}/maps") as maps:
        return maps.read()


SOUND_LIBRARIES = ("libquillby_audio.so", "libQt6Multimedia", "libflite", "libpulse-simple")


def peak(raw):
    samples = struct.unpack(f"<{len(raw) // 2}h", raw[: len(raw) // 2 * 2])
    return max((abs(s) for s in samples), default=0)


class SpeakerMonitor:
    """Records the speaker's monitor from the moment it starts. parec can take a while to
    connect on a busy machine, so the journey waits until samples arrive before it speaks."""

    def __init__(self):
        self.process = subprocess.Popen(["parec", "-d", "spk.monitor", "--raw", "--format=s16le",
                                         "--rate=11025", "--channels=1"], stdout=subprocess.PIPE)
        self.heard = bytearray()
        self.lock = threading.Lock()
        self.reader = threading.Thread(target=self._read, daemon=True)
        self.reader.start()

    def _read(self):
        while chunk := self.process.stdout.read1(4096):
            with self.lock:
                self.heard += chunk

    def recording(self):
        with self.lock:
            return len(self.heard) > 0

    def peak(self):
        with self.lock:
            return peak(bytes(self.heard))

    def seconds(self):
        with self.lock:
            return len(self.heard) / 2 / 11025

    def stop(self):
        self.process.terminate()
        self.process.wait(timeout=10)
        self.reader.join(timeout=10)


def expect_heard(app, pronounce):
    """Pronounce starts the word at once, and it reaches the speaker."""
    monitor = SpeakerMonitor()
    try:
        app.wait_until(monitor.recording, 10, "the speaker's monitor to record")
        before = len(sink_inputs())
        clicked = time.monotonic()
        app.click(pronounce)
        app.wait_until(lambda: len(sink_inputs()) > before, 10, "the voice to start playing")
        started = (time.monotonic() - clicked) * 1000
        print(f"journey speech: the voice started {started:.0f} ms after Pronounce", flush=True)
        # The word lasts about a second; it must be heard within a few, even on a busy machine.
        app.wait_until(lambda: monitor.peak() > 300 or time.monotonic() - clicked > 10, 15,
                       "the word to be spoken")
    finally:
        monitor.stop()
    expect(monitor.peak() > 300, f"the word was heard on the speaker (peak {monitor.peak()} in "
           f"{monitor.seconds():.1f} s recorded)")


with Journey("speech") as journey:
    expect(os.environ.get("PULSE_SERVER"), "the journey runs under scripts/with-audio.sh")
    seed_list(journey, 1, "2099-06-11", WORDS)
    os.makedirs(os.path.join(journey.folder, "Wavs"))
    shutil.copy2(os.path.join(journey.folder, "Sound_Correct.wav"),
                 os.path.join(journey.folder, "Wavs", "ZEBRA.wav"))
    app = journey.start("Quillby")

    app.step("speech is on by default; the parent turns it off")
    set_speech(app, False)
    expect_equal(journey.query("SELECT SPEAK_WORDS FROM OPTIONS"), [{"SPEAK_WORDS": "FALSE"}],
                 "the stored setting")
    app.exit_through(main_window(app).find("push button", "Exit"))

    app = journey.start("Quillby")
    app.step("Quillby starts without its sound libraries; they load when a window needs them")
    main_window(app)
    for library in SOUND_LIBRARIES:
        expect(library not in mapped(app), f"{library} is not loaded at start")
    app.step("after a restart the setting is off and the word has no Pronounce")
    app.click(main_window(app).find("push button", "Options"))
    options = app.window("Options", role="dialog")
    app.click(options.find("page tab", "General Defaults"))
    expect(not options.find("check box", SPEAK).checked, "the speech box after the restart")
    app.click(options.find("push button", "Cancel"))
    app.wait_closed("Options")
    editor = open_list_editor(app)
    expect(not editor.find("push button", "Pronounce").enabled,
           "Pronounce for a word without a recording while speech is off")
    module = os.path.join(journey.folder, "plugins", "libquillby_audio.so")
    app.wait_until(lambda: module in mapped(app), 10, "the list editor to load the sound module")
    app.close_window(editor)
    app.wait_closed("Edit Word List")

    app.step("turned on again, Pronounce speaks the word on the speaker")
    set_speech(app, True)
    editor = open_list_editor(app)
    pronounce = editor.find("push button", "Pronounce")
    app.wait_until(lambda: pronounce.enabled, 5, "Pronounce to be offered")
    time.sleep(1.0)  # the voice gets ready while the list editor is open
    expect_heard(app, pronounce)
    app.close_window(editor)
    app.wait_closed("Edit Word List")

    app.step("the sound server dies while a word of a test is said; the test goes on")
    app.click(main_window(app).find("push button", "Test"))
    app.click(app.window("Test Setup").find("push button", "Continue"))
    test = app.window("Test")
    for number in range(len(WORDS)):
        word = app.wait_until(lambda: BY_DEFINITION.get(clue(app, "Definition")),
                              what="the next word")
        if number == 0:
            app.step(f"{word}: the server is killed while it is said")
            app.click(test.find("push button", "Pronounce"))
            app.wait_until(lambda: sink_inputs(), 5, "the word to start playing")
            audio_server("kill")
            time.sleep(1.0)  # a while without the server: time is what is checked here
            app.check_alive(f"the sound server died while {word} was said")
        app.step(f"{word}: said again and answered without a sound server")
        app.click(test.find("push button", "Pronounce"))
        time.sleep(0.5)  # the word is said (or not) meanwhile: time is what is checked here
        app.check_alive(f"{word} was said without a sound server")
        answer_word(app, word, "Correct", word)
    summary = results_summary(app)
    expect_equal(summary["Words on Test"], str(len(WORDS)), "the words of the finished test")
    expect_equal(len(journey.query("SELECT * FROM TESTS WHERE UNFINISHED IS NULL")), 1,
                 "the stored test")
    expect_equal(len(journey.query("SELECT * FROM WORD_ATTEMPTS")), len(WORDS),
                 "the answers of the stored test")
    app.click(app.window("Test Results").find("push button", "Close"))
    app.answer_message("No", expect="Test Again?")

    app.step("Record without a server: the parent is told and zebra keeps its recording")
    zebra_wav = os.path.join(journey.folder, "Wavs", "ZEBRA.wav")
    with open(zebra_wav, "rb") as stored:
        zebra_voice = stored.read()
    editor = open_list_editor(app)
    app.mouse_click(editor.find("table", "Words").find_all("table cell", "zebra")[0])
    app.click(editor.find("push button", "Edit a word"))
    word_editor = app.window("Edit Word zebra")
    app.click(word_editor.find("push button", "Record"))
    app.answer_message("OK", expect="The recording could not be made, or it was cut short")
    app.check_alive("Record without a sound server")
    expect(word_editor.find("push button", "Record").showing, "the editor is not recording")
    app.click(word_editor.find("push button", "Save"))
    app.dismiss_notice("Word Saved")
    app.wait_closed("Edit Word zebra")
    with open(zebra_wav, "rb") as stored:
        expect(stored.read() == zebra_voice, "ZEBRA.wav is as it was")
    expect(not os.path.exists(os.path.join(journey.folder, "Temp.wav")), "no working file left")
    app.close_window(editor)
    app.wait_closed("Edit Word List")

    app.step("the server is back; Quillby still ends cleanly")
    audio_server("start")
    editor = open_list_editor(app)
    app.click(editor.find("push button", "Pronounce"))
    time.sleep(1.0)
    app.close_window(editor)
    app.wait_closed("Edit Word List")
    app.exit_through(main_window(app).find("push button", "Exit"))
