#pragma once
// Starts a program on the X display and waits until it maps its first top-level window. Used to
// time start-up from exec to a window on screen, and to drive a running program from outside.
#include <sys/types.h>

#include <chrono>
#include <string>

struct _XDisplay;

class X11Launcher {
 public:
  // Opens the display named by DISPLAY; throws std::runtime_error when there is none.
  X11Launcher();
  ~X11Launcher();
  X11Launcher(const X11Launcher&) = delete;
  X11Launcher& operator=(const X11Launcher&) = delete;

  // Starts the program in the directory and returns once a top-level window of that process is
  // mapped. Returns the time from just before the exec to the map, or throws std::runtime_error
  // when the program ends or nothing is mapped within the timeout.
  std::chrono::nanoseconds StartAndWaitForWindow(const std::string& program,
                                                 const std::string& directory,
                                                 std::chrono::milliseconds timeout);

  pid_t Pid() const { return pid_; }
  unsigned long Window() const { return window_; }

  // Ends the started program (SIGKILL) and reaps it.
  void Stop();

 private:
  pid_t WindowPid(unsigned long window);

  _XDisplay* display_;
  unsigned long pidAtom_;
  pid_t pid_ = -1;
  unsigned long window_ = 0;
};
