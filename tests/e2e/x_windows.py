"""The X server's side of windows, for journeys about where windows are and which one is in
front: moving and sizing a window as a desktop does, its place, the focused window, the
stacking order, and a window of another program to cover the screen. Without a window
manager the X window of a Qt top-level window is the window itself (no frame)."""

import subprocess
import time

from harness import JourneyFailure


def xdotool(*args):
    result = subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True,
                            timeout=30)
    if result.returncode != 0:
        raise JourneyFailure(f"xdotool {' '.join(map(str, args))}: {result.stderr.strip()}")
    return result.stdout.strip()


def geometry(x_id):
    """(x, y, width, height) of an X window on the screen."""
    values = {}
    for line in xdotool("getwindowgeometry", "--shell", x_id).splitlines():
        key, _, value = line.partition("=")
        values[key] = value
    return tuple(int(values[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))


def move_and_resize(app, x_id, x, y, width, height):
    """Moves and sizes a window as the user does through the desktop, and waits until the
    program has taken the new place."""
    xdotool("windowsize", "--sync", x_id, width, height)
    xdotool("windowmove", "--sync", x_id, x, y)
    app.wait_until(lambda: geometry(x_id) == (x, y, width, height), 5,
                   f"window {x_id} at {(x, y, width, height)}")


def focused_window():
    """The X window that has the keyboard focus, as a decimal id ("" for none)."""
    return xdotool("getwindowfocus", "-f")


def stacking_order():
    """The top-level X windows from the bottom to the top, as decimal ids."""
    result = subprocess.run(["xwininfo", "-root", "-children"], capture_output=True, text=True,
                            timeout=30, check=True)
    ids = []
    for line in result.stdout.splitlines():
        line = line.strip()
        if line.startswith("0x"):
            ids.append(str(int(line.split()[0], 16)))
    # xwininfo lists the root's children from the top of the stack down.
    return list(reversed(ids))


def is_above(upper, lower):
    order = stacking_order()
    return upper in order and lower in order and order.index(upper) > order.index(lower)


class Cover:
    """A window of another program over the whole screen, with the keyboard focus: what a
    user has in front of a Quillby that runs behind it."""

    def __init__(self, title):
        self.title = title
        self.process = subprocess.Popen(["xmessage", "-geometry", "1280x1024+0+0", "-title",
                                         title, "Another program"],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.x_id = None

    def __enter__(self):
        for _ in range(200):
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
                                    f"^{self.title}$"], capture_output=True, text=True)
            if found.stdout.split():
                self.x_id = found.stdout.split()[0]
                break
            if self.process.poll() is not None:
                raise JourneyFailure("xmessage ended at once")
            time.sleep(0.05)
        if self.x_id is None:
            raise JourneyFailure("the covering window did not show")
        xdotool("windowraise", self.x_id)
        xdotool("windowfocus", "--sync", self.x_id)
        return self

    def __exit__(self, *error):
        self.process.kill()
        self.process.wait(10)
        return False
