#!/usr/bin/python3
"""A whole drill in until-correct mode, driven through the accessibility tree.

usage: atspi-drill.py BINARY

Starts a private session bus and the accessibility bus, starts the program with Qt's
accessibility bridge switched on in a scratch directory, switches the until-correct mode on and
presses Start through accessibility actions, then reads each problem from the tree, types the
answer with xdotool and waits for the log line. Afterwards HIST.DAT must hold the old line and
a new one with rate 100. Exits 77 (skipped) when the accessibility bus cannot be started at all.
"""
import ctypes
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
OLD_LINE = "所要時間 01:02.003　正答率 50%  2006/02/13 09:10:32".encode("cp932")


class Failure(Exception):
    pass


class Skip(Exception):
    pass


def wait_for(what, condition, timeout=10.0):
    """Polls condition until it returns a true value; raises Failure naming `what` on time-out."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout} s waiting for {what}")
        time.sleep(0.002)


class Processes:
    """Processes this test starts, each in a session of its own, ended by their group at exit."""

    def __init__(self):
        self.started = []

    def start(self, args, **kwargs):
        p = subprocess.Popen(args, start_new_session=True, **kwargs)
        self.started.append(p)
        return p

    def end_all(self):
        for p in reversed(self.started):
            if p.poll() is None:
                try:
                    os.killpg(p.pid, signal.SIGTERM)
                    p.wait(timeout=5)
                except (ProcessLookupError, subprocess.TimeoutExpired):
                    os.killpg(p.pid, signal.SIGKILL)
                    p.wait()


def start_buses(procs):
    """Starts a private session bus and the accessibility bus on it; Skip when either fails."""
    if not shutil.which("dbus-daemon") or not os.access(LAUNCHER, os.X_OK):
        raise Skip("dbus-daemon or at-spi-bus-launcher is not installed")
    bus = procs.start(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                      stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    address = bus.stdout.readline().strip()
    if not address:
        raise Skip("the session bus did not start")
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
    try:
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Gio, GLib
        import pyatspi  # noqa: F401  (it connects to the buses named in the environment)
    except (ImportError, ValueError) as e:
        raise Skip(f"the accessibility bindings are missing: {e}")
    procs.start([LAUNCHER, "--launch-immediately"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)

    def accessibility_bus_address():
        try:
            reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                                      GLib.VariantType.new("(s)"), Gio.DBusCallFlags.NO_AUTO_START, 1000, None)
            return reply.unpack()[0]
        except GLib.Error:
            return None

    try:
        wait_for("the accessibility bus", accessibility_bus_address)
    except Failure as e:
        raise Skip(str(e))


def find(root, role, description=None, name=None):
    """The first descendant of root with that role (and description or name, when given)."""
    import pyatspi

    def matches(a):
        return (a is not None and a.getRole() == role
                and (description is None or a.description == description)
                and (name is None or a.name == name))

    found = pyatspi.findDescendant(root, matches)
    if found is None:
        raise Failure(f"no {role} {description or name!r} in the accessibility tree")
    return found


def answer_of(left, operator, right):
    a, b = int(left), int(right)
    return {"＋": a + b, "－": a - b, "×": a * b}[operator]


def text_of(accessible):
    t = accessible.queryText()
    return t.getText(0, t.characterCount)


def press(*keys):
    """Presses the keys (X key names; a digit names its own key) in the focused window."""
    subprocess.run(["xdotool", "key", "--delay", "1", *keys], check=True)


def run(binary):
    if not os.environ.get("DISPLAY"):
        raise Failure("no X display (run under xvfb-run)")
    # An X server without -noreset resets whenever its last client leaves and refuses connections
    # while it does; the bus launcher and xdotool come and go. Holding a connection for the whole
    # test keeps the server up for the program.
    libx11 = ctypes.CDLL("libX11.so.6")
    libx11.XOpenDisplay.restype = ctypes.c_void_p
    if not libx11.XOpenDisplay(None):
        raise Failure(f"the X display {os.environ['DISPLAY']} does not answer")
    procs = Processes()
    work = tempfile.mkdtemp()
    try:
        start_buses(procs)
        import pyatspi
        from gi.repository import Atspi

        hist = os.path.join(work, "HIST.DAT")
        with open(hist, "wb") as f:
            f.write(OLD_LINE + b"\r\n")
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        program = procs.start([binary], cwd=work, env=env)

        desktop = pyatspi.Registry.getDesktop(0)

        def our_application():
            if program.poll() is not None:
                raise Failure(f"the program ended with status {program.returncode} before it was seen")
            for a in desktop:
                if a is not None and a.get_process_id() == program.pid and a.childCount > 0:
                    return a
            return None

        app = wait_for("the program in the accessibility tree", our_application)
        # Every read goes to the program, so no cached text from before a change is seen.
        app.set_cache_mask(Atspi.Cache.NONE)
        left = find(app, pyatspi.ROLE_LABEL, description="左の数")
        operator = find(app, pyatspi.ROLE_LABEL, description="演算子")
        right = find(app, pyatspi.ROLE_LABEL, description="右の数")
        answer = find(app, pyatspi.ROLE_TEXT, name="答え")
        log = find(app, pyatspi.ROLE_LIST, name="結果")
        start = find(app, pyatspi.ROLE_PUSH_BUTTON, name="開始")
        until_correct = find(app, pyatspi.ROLE_CHECK_BOX, name="正解する迄")
        quit_button = find(app, pyatspi.ROLE_PUSH_BUTTON, name="終了")

        def act(accessible, action):
            actions = accessible.queryAction()
            names = [actions.getName(i) for i in range(actions.nActions)]
            if action not in names:
                raise Failure(f"{accessible.name!r} has no action {action!r}, only {names}")
            actions.doAction(names.index(action))

        def has_state(accessible, state):
            return accessible.getState().contains(state)

        # Without a window manager nothing activates the window: give it the X input focus, as a
        # desktop does when the window appears, so that keys go to it and its focus is reported.
        window = wait_for("the main window", lambda: subprocess.run(
            ["xdotool", "search", "--pid", str(program.pid), "--name", "ピクトラ$"],
            capture_output=True, text=True).stdout.split())[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
        wait_for("the main window to be active", lambda: has_state(app[0], pyatspi.STATE_ACTIVE))

        act(until_correct, "Toggle")
        wait_for("the until-correct box to be checked", lambda: has_state(until_correct, pyatspi.STATE_CHECKED))
        wait_for("the focus on Start after the check box", lambda: has_state(start, pyatspi.STATE_FOCUSED))

        started = time.monotonic()
        act(start, "Press")
        wait_for("the first problem", lambda: left.name and has_state(answer, pyatspi.STATE_FOCUSED))

        def log_lines():
            return log.childCount

        # A wrong answer empties the box and keeps the problem.
        expected = answer_of(left.name, operator.name, right.name)
        shown = (left.name, operator.name, right.name)
        press(*str(expected + 1))
        wait_for("the wrong answer in the box", lambda: text_of(answer) == str(expected + 1))
        press("Return")
        wait_for("the box to empty after a wrong answer", lambda: text_of(answer) == "")
        if log_lines() != 0 or (left.name, operator.name, right.name) != shown:
            raise Failure("a wrong answer in until-correct mode ended the problem")

        for n in range(1, 101):
            problem = (left.name, operator.name, right.name)
            press(*str(answer_of(*problem)), "Return")
            # The last problem's line comes with the summary line above it.
            wanted = n if n < 100 else 101
            wait_for(f"the log line of problem {n} ({' '.join(problem)})", lambda: log_lines() >= wanted)
            if log_lines() != wanted:
                raise Failure(f"{log_lines()} log lines after problem {n}")
        drill_seconds = time.monotonic() - started

        def history():
            with open(hist, "rb") as f:
                return f.read()

        wait_for("the summary line in HIST.DAT", lambda: history().count(b"\r\n") == 2)
        lines = history().split(b"\r\n")
        if lines[0] != OLD_LINE or lines[2] != b"":
            raise Failure(f"HIST.DAT is {history()!r}")
        summary = lines[1]
        if summary[26:29] != b"100":
            raise Failure(f"the rate of the new line is {summary[26:29]!r}: {summary!r}")
        top = log.getChildAtIndex(0).name
        if top != summary.decode("cp932"):
            raise Failure(f"the log's top line {top!r} is not the saved line")
        if any(a.name for a in (left, operator, right)):
            raise Failure("the problem boxes are not empty after the drill")

        act(quit_button, "Press")
        try:
            program.wait(timeout=5)
        except subprocess.TimeoutExpired:
            raise Failure("Quit did not end the program")
        print(f"PASS: 100 problems in {drill_seconds:.1f} s")
        return 0
    finally:
        procs.end_all()
        shutil.rmtree(work, ignore_errors=True)


def main():
    try:
        return run(sys.argv[1])
    except Skip as e:
        print(f"SKIP: {e}")
        return SKIP
    except Failure as e:
        print(f"FAIL: {e}", file=sys.stderr)
        return 1


if __name__ == "__main__":
    sys.exit(main())
