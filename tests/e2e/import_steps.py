"""Steps of the journeys that import words: a printed word sheet made with ImageMagick, and
the rows of the "Import Words" window read through AT-SPI."""

import subprocess

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

from harness import Node, expect_equal  # noqa: E402

# Reading a photo takes a few seconds; a busy 2-core machine needs slack.
READING_TIMEOUT = 120


def make_sheet(path, words):
    """A printed A4 sheet at 300 dpi: a title, a name line and the numbered words; then
    tilted on a desk, blurred and saved as a JPEG."""
    command = ["/usr/bin/convert", "-size", "2480x3508", "xc:white", "-fill", "#141414",
               "-font", "DejaVu-Sans-Bold", "-pointsize", "64",
               "-annotate", "+220+330", "Spelling List - Week 12",
               "-font", "DejaVu-Sans", "-pointsize", "40",
               "-annotate", "+220+480", "Name: ______________________", "-pointsize", "54"]
    for number, word in enumerate(words, 1):
        command += ["-annotate", f"+220+{520 + 140 * number}", f"{number}. {word}"]
    command += ["-background", "#786a5a", "-rotate", "4", "-blur", "0x2.5", "-quality", "80",
                path]
    subprocess.run(command, check=True, timeout=120)


def candidates(app, window):
    """The import window's rows as (ticked, word, definition, sentence, note)."""
    table = window.find("table", "Words to import")
    texts = table.cells()
    iface = table.acc.get_table_iface()
    rows = []
    for number, row in enumerate(texts):
        tick = Node(app, Atspi.Table.get_accessible_at(iface, number, 0))
        expect_equal(tick.name, row[1] or "(no word)", "the tick box's name, the row's word")
        rows.append((tick.checked, *row[1:5]))
    return rows


def wait_for_candidates(app, window, timeout=READING_TIMEOUT):
    found = []
    app.wait_until(lambda: found.extend(candidates(app, window)) or found,
                   timeout, "the words in the import window")
    return found
