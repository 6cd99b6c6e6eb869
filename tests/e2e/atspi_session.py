"""Driving the program through the accessibility tree: a private session bus and the
accessibility bus, the program started with Qt's accessibility bridge, and small helpers to find
controls, act on them and wait for changes. Imported by the accessibility end-to-end tests.
"""
import contextlib
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


def act(accessible, action):
    """Runs one of the accessible's actions by name ("Press", "Toggle")."""
    actions = accessible.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if action not in names:
        raise Failure(f"{accessible.name!r} has no action {action!r}, only {names}")
    actions.doAction(names.index(action))


def has_state(accessible, state):
    return accessible.getState().contains(state)


def hold_display():
    """Holds a connection to the X display for the whole test.

    An X server without -noreset resets whenever its last client leaves and refuses connections
    while it does; the bus launcher and xdotool come and go. Holding a connection keeps the server
    up for the program.
    """
    if not os.environ.get("DISPLAY"):
        raise Failure("no X display (run under xvfb-run)")
    libx11 = ctypes.CDLL("libX11.so.6")
    libx11.XOpenDisplay.restype = ctypes.c_void_p
    if not libx11.XOpenDisplay(None):
        raise Failure(f"the X display {os.environ['DISPLAY']} does not answer")


@contextlib.contextmanager
def session():
    """Holds the display and starts the buses; gives the processes to start and a scratch
    directory, both ended and removed afterwards."""
    hold_display()
    procs = Processes()
    work = tempfile.mkdtemp()
    try:
        start_buses(procs)
        yield procs, work
    finally:
        procs.end_all()
        shutil.rmtree(work, ignore_errors=True)


def quit_program(app, program):
    """Presses Quit and waits for the program to end."""
    import pyatspi

    act(find(app, pyatspi.ROLE_PUSH_BUTTON, name="終了"), "Press")
    try:
        program.wait(timeout=5)
    except subprocess.TimeoutExpired:
        raise Failure("Quit did not end the program")


def start_program(procs, binary, work):
    """Starts the program in work with the accessibility bridge on; gives the process, its
    application in the accessibility tree (read afresh on every access) and its main window's X id,
    which has the input focus and is active."""
    import pyatspi
    from gi.repository import Atspi

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
    # Without a window manager nothing activates the window: give it the X input focus, as a
    # desktop does when the window appears, so that keys go to it and its focus is reported.
    window = wait_for("the main window", lambda: subprocess.run(
        ["xdotool", "search", "--pid", str(program.pid), "--name", "ピクトラ$"],
        capture_output=True, text=True).stdout.split())[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    wait_for("the main window to be active", lambda: has_state(app[0], pyatspi.STATE_ACTIVE))
    return program, app, window


def main(run):
    """Runs the test function with the command line's arguments; exits 77 when it skips."""
    try:
        sys.exit(run(*sys.argv[1:]))
    except Skip as e:
        print(f"SKIP: {e}")
        sys.exit(SKIP)
    except Failure as e:
        print(f"FAIL: {e}", file=sys.stderr)
        sys.exit(1)
