"""A word without a recording is spoken by the computer's voice. The parent turns "Speak words
that have no recording" off: after a restart the options window shows it off and the list
editor offers no Pronounce for the word. Turned on again, Pronounce speaks the word at once,
and the voice reaches the sound server's speaker. Runs under scripts/with-audio.sh."""

import os
import struct
import subprocess
import threading
import time

from harness import Journey, expect, expect_equal
from quillby_steps import main_window, seed_list

SPEAK = "Speak words that have no recording"


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


with Journey("speech") as journey:
    expect(os.environ.get("PULSE_SERVER"), "the journey runs under scripts/with-audio.sh")
    seed_list(journey, 1, "2099-06-11", [(1, "giraffe", "a tall animal")])
    app = journey.start("Quillby")

    app.step("speech is on by default; the parent turns it off")
    set_speech(app, False)
    expect_equal(journey.query("SELECT SPEAK_WORDS FROM OPTIONS"), [{"SPEAK_WORDS": "FALSE"}],
                 "the stored setting")
    app.exit_through(main_window(app).find("push button", "Exit"))

    app = journey.start("Quillby")
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
    app.close_window(editor)
    app.wait_closed("Edit Word List")

    app.step("turned on again, Pronounce speaks the word on the speaker")
    set_speech(app, True)
    editor = open_list_editor(app)
    pronounce = editor.find("push button", "Pronounce")
    app.wait_until(lambda: pronounce.enabled, 5, "Pronounce to be offered")
    time.sleep(1.0)  # the voice gets ready while the list editor is open
    monitor = SpeakerMonitor()
    try:
        app.wait_until(monitor.recording, 10, "the speaker's monitor to record")
        before = len(sink_inputs())
        clicked = time.monotonic()
        app.click(pronounce)
        app.wait_until(lambda: len(sink_inputs()) > before, 5, "the voice to start playing")
        started = (time.monotonic() - clicked) * 1000
        print(f"journey speech: the voice started {started:.0f} ms after Pronounce", flush=True)
        # The word lasts about a second; it must be heard within a few.
        app.wait_until(lambda: monitor.peak() > 300 or time.monotonic() - clicked > 4, 6,
                       "the word to be spoken")
    finally:
        monitor.stop()
    expect(monitor.peak() > 300, f"the word was heard on the speaker (peak {monitor.peak()} in "
           f"{monitor.seconds():.1f} s recorded)")
    app.close_window(editor)
    app.wait_closed("Edit Word List")
    app.exit_through(main_window(app).find("push button", "Exit"))
