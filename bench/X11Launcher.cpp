#include "bench/X11Launcher.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

namespace {
// A freshly started private X server may not take connections at once; try a few times.
_XDisplay* OpenDisplay() {
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (Display* display = XOpenDisplay(nullptr)) return display;
    usleep(200 * 1000);
  }
  return nullptr;
}
}  // namespace

X11Launcher::X11Launcher() : display_(OpenDisplay()) {
  if (!display_) throw std::runtime_error("no X display (run under xvfb-run)");
  pidAtom_ = XInternAtom(display_, "_NET_WM_PID", False);
  // Without a window manager, mapping a top-level window reports MapNotify to the root's
  // substructure listeners.
  XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
  // Drawing into any window on the screen is reported as damage to the root, rectangle by
  // rectangle; a program's first drawing after its map is its first frame.
  int damageErrorBase = 0;
  if (!XDamageQueryExtension(display_, &damageEventBase_, &damageErrorBase)) {
    XCloseDisplay(display_);
    throw std::runtime_error("the X display has no DAMAGE extension");
  }
  damage_ = XDamageCreate(display_, DefaultRootWindow(display_), XDamageReportRawRectangles);
  XSync(display_, False);
}

X11Launcher::~X11Launcher() {
  Stop();
  XDamageDestroy(display_, damage_);
  XCloseDisplay(display_);
}

pid_t X11Launcher::WindowPid(unsigned long window) {
  Atom type;
  int format;
  unsigned long items, after;
  unsigned char* data = nullptr;
  pid_t pid = -1;
  if (XGetWindowProperty(display_, window, pidAtom_, 0, 1, False, XA_CARDINAL, &type, &format,
                         &items, &after, &data) == Success &&
      data && items == 1 && format == 32)
    pid = pid_t(*reinterpret_cast<unsigned long*>(data));
  if (data) XFree(data);
  return pid;
}

std::chrono::nanoseconds X11Launcher::StartAndWaitForWindow(const std::string& program,
                                                            const std::string& directory,
                                                            std::chrono::milliseconds timeout) {
  using Clock = std::chrono::steady_clock;
  Stop();
  window_ = 0;
  // Forget the events of earlier runs.
  XSync(display_, True);
  const Clock::time_point start = Clock::now();
  pid_ = fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    if (chdir(directory.c_str()) != 0) _exit(126);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  const Clock::time_point deadline = start + timeout;
  pollfd connection{ConnectionNumber(display_), POLLIN, 0};
  XRectangle placed{};  // the mapped window, in root coordinates
  for (;;) {
    while (XPending(display_)) {
      XEvent event;
      XNextEvent(display_, &event);
      if (window_ == 0 && event.type == MapNotify && !event.xmap.override_redirect &&
          WindowPid(event.xmap.window) == pid_) {
        mapTime_ = Clock::now() - start;
        window_ = event.xmap.window;
        XWindowAttributes attributes;
        XGetWindowAttributes(display_, window_, &attributes);
        placed = {short(attributes.x), short(attributes.y), (unsigned short)attributes.width,
                  (unsigned short)attributes.height};
      } else if (window_ != 0 && event.type == damageEventBase_ + XDamageNotify) {
        const XRectangle& area = reinterpret_cast<const XDamageNotifyEvent&>(event).area;
        if (area.x < placed.x + placed.width && placed.x < area.x + area.width &&
            area.y < placed.y + placed.height && placed.y < area.y + area.height)
          return Clock::now() - start;
      }
    }
    int status;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      throw std::runtime_error(program + " ended before showing a window");
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) throw std::runtime_error(program + " drew no window in time");
    // Wake at least every 50 ms to notice a program that dies without a window.
    poll(&connection, 1, int(std::min<long>(left.count(), 50)));
  }
}

void X11Launcher::Stop() {
  if (pid_ <= 0) return;
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
  pid_ = -1;
  window_ = 0;
}
