"""Steps of the installer's journeys: the package as downloaded in a journey's folder, an
account with its own home and temporary folder, Setup from the licence to the end, the
installed Quillby, the uninstaller and the processes the programs start for themselves."""

import ctypes
import os
import shutil
import subprocess
import time

from harness import (DEFAULT_TIMEOUT, ENGLISH, App, Journey, JourneyFailure, expect, expect_equal,
                     read_only)
from quillby_steps import list_rows, main_window

PR_SET_CHILD_SUBREAPER = 36


class Adopted:
    """A process that one of the programs started on its own (Setup starts Quillby, the
    uninstaller its copy and its clean-up script). This journey is their subreaper, so they
    become its children when their starter lets go of them, and their exit status is seen
    here; the methods are those of subprocess.Popen that App uses."""

    def __init__(self, pid):
        self.pid = pid
        self.returncode = None

    def poll(self):
        if self.returncode is None:
            try:
                pid, status = os.waitpid(self.pid, os.WNOHANG)
            except ChildProcessError:
                raise JourneyFailure(f"process {self.pid} is not this journey's child") from None
            if pid:
                self.returncode = os.waitstatus_to_exitcode(status)
        return self.returncode

    def wait(self, timeout=None):
        deadline = None if timeout is None else time.monotonic() + timeout
        while self.poll() is None:
            if deadline is not None and time.monotonic() > deadline:
                raise subprocess.TimeoutExpired(str(self.pid), timeout)
            time.sleep(0.05)
        return self.returncode

    def kill(self):
        if self.poll() is None:
            os.kill(self.pid, 9)
            self.wait(10)


def adopted_children():
    """{pid: path of its program} of this journey's children, zombies included."""
    found = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
            if int(fields[1]) != os.getpid():
                continue
            found[int(entry)] = os.readlink(f"/proc/{entry}/exe") if fields[0] != "Z" else ""
        except (OSError, IndexError, ValueError):
            continue
    return found


class InstallJourney(Journey):
    """The journey's own folder holds the package as downloaded (Setup and Support/), a home
    folder with nothing in it and a temporary folder; its database is the installed one."""

    def __init__(self, name="install"):
        super().__init__(name, files=(), fresh_database=False, message_title="Setup")
        self.package = os.environ.get("QUILLBY_E2E_PACKAGE", "build/package")

    def __enter__(self):
        super().__enter__()
        if not os.path.exists(os.path.join(self.package, "Setup")):
            raise JourneyFailure(f"no Setup in {self.package}: build the quillby_package target")
        shutil.copy2(os.path.join(self.package, "Setup"), self.folder)
        shutil.copytree(os.path.join(self.package, "Support"), os.path.join(self.folder, "Support"))
        self.home = os.path.join(self.folder, "home")
        self.temp = os.path.join(self.folder, "tmp")
        os.makedirs(self.home)
        os.makedirs(self.temp)
        self.apps_folder = os.path.join(self.home, "Apps")
        self.install = os.path.join(self.apps_folder, "Quillby")
        for name in ("XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"):
            os.environ.pop(name, None)
        ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
        return self

    @property
    def database(self):
        return os.path.join(self.install, "Quillby.mdb")

    def environment(self):
        """The programs' account: its own home and temporary folder (the data, config and
        cache folders follow from the home; __enter__ dropped their settings)."""
        return {"HOME": self.home, "TMPDIR": self.temp}

    def adopt(self, program_path, name, timeout=15):
        """The App of the adopted process that runs program_path."""
        def find():
            return [pid for pid, exe in adopted_children().items() if exe == program_path]
        pids = wait_for(find, timeout, f"{program_path} to start")
        app = App(self, name, Adopted(pids[0]), os.path.join(self.out_dir, f"{name}-adopted.log"))
        self.apps.append(app)
        return app

    def reap_the_rest(self):
        """Every other adopted process has ended, with exit status 0."""
        wait_for(lambda: all(not exe for exe in adopted_children().values()), 15,
                     "the processes the programs started to end")
        for pid in adopted_children():
            code = Adopted(pid).wait(5)
            expect_equal(code, 0, f"the exit status of process {pid}, started by a program")


def wait_for(condition, timeout, what):
    timeout = max(timeout, DEFAULT_TIMEOUT)  # as Program.wait_until: room for a busy machine
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise JourneyFailure(f"timed out after {timeout} s waiting for {what}")
        time.sleep(0.05)


def shortcuts(journey):
    menu = os.path.join(journey.home, ".local", "share", "applications", "Quillby")
    return [os.path.join(menu, "Quillby.desktop"), os.path.join(menu, "Uninstall Quillby.desktop"),
            os.path.join(journey.home, "Desktop", "Quillby.desktop")]


ICON_SIZES = ("16x16", "32x32", "48x48", "64x64", "128x128", "256x256")


def theme_folder(journey):
    return os.path.join(journey.home, ".local", "share", "icons", "hicolor")


def theme_icons(journey):
    """Quillby's icon files in the user's hicolor theme, as Setup installs them."""
    theme = theme_folder(journey)
    return [os.path.join(theme, size, "apps", "quillby.png") for size in ICON_SIZES] + \
        [os.path.join(theme, "scalable", "apps", "quillby.svg")]


def icon_entry(shortcut):
    with open(shortcut) as entry:
        return next((line[len("Icon="):] for line in entry.read().splitlines()
                     if line.startswith("Icon=")), None)


def expect_themed_shortcuts(journey):
    """The icon files are installed as shipped; Quillby's shortcuts name the theme icon, the
    uninstaller's names its own picture."""
    shipped = os.path.join(journey.folder, "Support", "icons", "hicolor")
    for icon in theme_icons(journey):
        with open(icon, "rb") as installed, \
                open(os.path.join(shipped, os.path.relpath(icon, theme_folder(journey))), "rb") as source:
            expect(installed.read() == source.read(), f"{icon} is the shipped file")
    for shortcut in shortcuts(journey):
        expect_equal(icon_entry(shortcut),
                     os.path.join(journey.install, "Skull.ico") if "Uninstall" in shortcut else "quillby",
                     f"the icon of {shortcut}")


def choose_folder(setup, page, folder):
    """The installation folder typed into the browse window and accepted."""
    setup.click(page.find("push button", "Browse"))
    browse = setup.window("Locate Folder")
    setup.type_into(browse.find("text", "Install Folder"), os.path.dirname(folder))
    setup.click(browse.find("push button", "Accept"))
    setup.wait_closed("Locate Folder")
    setup.wait_until(lambda: page.find("text", "Installation Folder").text == folder,
                     5, "the folder page to show the chosen folder")


def refuse_read_only_folder(journey, setup, page):
    """A read-only folder is refused before anything is made; the page stays."""
    locked = os.path.join(journey.home, "Locked", "Quillby")
    os.makedirs(locked)
    setup.step("a read-only folder is refused")
    choose_folder(setup, page, locked)
    with read_only(locked):
        setup.click(page.find("push button", "Continue >"))
        setup.answer_message("OK", expect=f"Setup cannot write into the folder {locked}.")
    expect(page.showing, "the folder page is still there")
    expect_equal(os.listdir(locked), [], "what Setup made in the read-only folder")
    for shortcut in shortcuts(journey):
        expect(not os.path.exists(shortcut), f"no {shortcut} before the installation")


def start_setup_to_folder_page(journey):
    """Setup started on the journey's account, through the licence and the welcome page;
    returns Setup and its folder page, which shows the suggested folder."""
    journey.message_title = "Setup"
    setup = journey.start("Setup", env=journey.environment())
    setup.step("accept the licence agreement")
    licence = setup.window("End-User License")
    setup.click(licence.find("check box", "I have read and accept all parts of the license agreement."))
    setup.click(licence.find("push button", "Continue >"))

    setup.step("the welcome page's checks, then the folder page")
    setup.click(setup.window("Corvale Installer").find("push button", "Continue >"))
    page = setup.wait_until(
        lambda: next((w for w in setup.windows()
                      if w.name == "Corvale Installer" and w.has("push button", "Browse")), None),
        30, "the folder page")
    suggested = "/opt/Quillby" if os.geteuid() == 0 else \
        os.path.join(journey.home, ".local", "share", "Quillby")
    expect_equal(page.find("text", "Installation Folder").text, suggested, "the suggested folder")
    return setup, page


def answer_not_empty(journey, setup, page, answers):
    """The warning about a folder that is not empty, answered in turn with each of answers
    (a No keeps the folder page, and Continue is pressed again)."""
    for answer in answers:
        setup.answer_message(answer, expect=f"The folder {journey.install} is not empty.")
        if answer == "No":
            expect(page.showing, "the folder page is still there after No")
            expect(not os.path.exists(os.path.join(journey.install, "QuillbyUninstaller")),
                   "nothing installed after No")
            setup.click(page.find("push button", "Continue >"))


def run_setup(journey, start_menu, desktop, try_read_only=False, not_empty=()):
    """Setup from the licence to the end of the installation into journey.install, with the
    chosen option buttons (after a read-only folder, when asked; answering the warning about
    a folder that is not empty with not_empty); returns the installed Quillby that Setup
    started."""
    setup, page = start_setup_to_folder_page(journey)
    if try_read_only:
        refuse_read_only_folder(journey, setup, page)
    setup.step(f"choose {journey.install} in the browse window")
    choose_folder(setup, page, journey.install)

    setup.step(f"shortcuts: {start_menu} / {desktop}")
    # Both groups offer "This User Only": the Start-menu group comes first.
    for name, group in ((start_menu, 0), (desktop, 1)):
        options = page.find_all("radio button", name)
        option = options[group] if len(options) > 1 else options[0]
        expect(option.enabled, f"the option {name!r} is offered")
        setup.click(option)
        setup.wait_until(lambda: option.checked, 5, f"{name!r} to be chosen")
    setup.click(page.find("push button", "Continue >"))
    answer_not_empty(journey, setup, page, not_empty)

    setup.step("the installation runs and ends with the completion notice")
    setup.window("Complete...", timeout=60)
    code = setup.wait_for_exit(60)
    expect_equal(code, 0, "Setup's exit status")
    return journey.adopt(os.path.join(journey.install, "Quillby"), "Quillby")


def expect_quillby_on_installed_database(journey, quillby, rows):
    journey.message_title = "Quillby"
    quillby.step("the installed Quillby shows its lists")
    main = main_window(quillby)
    expect_equal(list_rows(quillby), rows, "the lists in the main window")
    expect(journey.database in quillby.open_files(),
           f"Quillby holds {journey.database} open ({quillby.open_files()})")
    expect_equal(os.readlink(f"/proc/{quillby.process.pid}/cwd"), journey.install,
                 "Quillby's working folder")
    quillby.exit_through(main.find("push button", "Exit"))


def refused_logs(journey):
    """The installed uninstaller, copied into another folder named like an installation,
    with a hand-made log: one naming the installation, one that is garbage. Each says why
    it will not go on and removes nothing."""
    journey.message_title = "QuillbyUninstaller"
    lookalike = os.path.join(journey.home, "Other", "Quillby")
    os.makedirs(lookalike)
    shutil.copy2(os.path.join(journey.install, "QuillbyUninstaller"), lookalike)
    log_path = os.path.join(lookalike, "QUILLBY-InstallLog.txt")
    for lines, says in (
            ([f"INSTALLPATH={journey.install}", os.path.join(journey.install, "Quillby"),
              shortcuts(journey)[2]],
             f"names the folder {journey.install}, not the folder the uninstaller was started from."),
            (["\x00\x7f garbage", shortcuts(journey)[2], journey.apps_folder],
             f"The install log {log_path} is damaged")):
        with open(log_path, "w", newline="") as log:
            log.write("".join(line + "\r\n" for line in lines))
        app = journey.start("QuillbyUninstaller", env=journey.environment(), folder=lookalike)
        app.step("a hand-made log is refused")
        app.answer_message("OK", expect=says, ends_program=True)
        expect_equal(app.wait_for_exit(30), 0, "the refusing uninstaller's exit status")
        expect_equal(os.listdir(journey.temp), [], "copies in the temporary folder")
        expect_equal(sorted(os.listdir(lookalike)), ["QUILLBY-InstallLog.txt", "QuillbyUninstaller"],
                     "the folder named like an installation")
        expect(os.path.isfile(os.path.join(journey.install, "Quillby")), "the installation is still there")
    shutil.rmtree(os.path.dirname(lookalike))


def uninstall(journey):
    """The installed uninstaller restarts from the temporary folder; the copy removes."""
    journey.message_title = "QuillbyUninstaller"
    # Its first window may close before it could be looked at: only its exit status counts.
    log_path = os.path.join(journey.out_dir, "QuillbyUninstaller-1.log")
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               QT_ACCESSIBILITY="1", **ENGLISH, **journey.environment())
    with open(log_path, "w") as log:
        first = subprocess.Popen([os.path.join(journey.install, "QuillbyUninstaller")],
                                 cwd=journey.install, env=env, stdout=log, stderr=subprocess.STDOUT)
    expect_equal(first.wait(30), 0, "the first uninstaller's exit status")

    copy = journey.adopt(os.path.join(journey.temp, "QuillbyUninstaller"), "QuillbyUninstaller")
    copy.step("the copy in the temporary folder asks before it removes")
    window = copy.window("Uninstall...")
    proceed = window.find("push button", "Continue")
    copy.wait_until(lambda: proceed.enabled, 10, "Continue to be enabled")
    copy.click(proceed)
    copy.answer_message("Yes", expect="Are you sure you want to uninstall Quillby?")
    copy.answer_message("OK", expect="Quillby was successfully uninstalled.", timeout=60)
    expect_equal(copy.wait_for_exit(30), 0, "the uninstaller copy's exit status")

