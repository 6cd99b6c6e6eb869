#pragma once
// Starts a program on the X display and waits until it maps its first top-level window and draws
// into it. Used to time start-up from exec to a window on screen, and to drive a running program
// from outside.
#include <sys/types.h>

#include <chrono>
#include <string>

struct _XDisplay;

class X11Launcher {
 public:
  // Opens the display named by DISPLAY; throws std::runtime_error when there is none or it cannot
  // report drawing (no DAMAGE extension).
  X11Launcher();
  ~X11Launcher();
  X11Launcher(const X11Launcher&) = delete;
  X11Launcher& operator=(const X11Launcher&) = delete;

  // Starts the program in the directory and returns once a top-level window of that process is
  // mapped and the program has drawn into it for the first time. Returns the time from just
  // before the exec to that first drawing, or throws std::runtime_error when the program ends or
  // does not get that far within the timeout.
  std::chrono::nanoseconds StartAndWaitForWindow(const std::string& program,
                                                 const std::string& directory,
                                                 std::chrono::milliseconds timeout);
  // From just before the exec to the map, for the last start.
  std::chrono::nanoseconds MapTime() const { return mapTime_; }

  pid_t Pid() const { return pid_; }
  unsigned long Window() const { return window_; }

  // Ends the started program (SIGKILL) and reaps it.
  void Stop();

 private:
  pid_t WindowPid(unsigned long window);

  _XDisplay* display_;
  unsigned long pidAtom_;
  int damageEventBase_ = 0;
  unsigned long damage_ = 0;  // all drawing on the screen
  std::chrono::nanoseconds mapTime_{};
  pid_t pid_ = -1;
  unsigned long window_ = 0;
};
