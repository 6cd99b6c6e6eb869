#pragma once
// Reads the system font configuration on a second thread while the application object connects
// to the display, so that the first font the main window asks for does not wait for it.
#include <thread>

class FontConfigPreload {
 public:
  // Starts reading the configuration, unless the program was started with a startup-notification
  // id in its environment.
  FontConfigPreload();
  // Waits for the reading if Wait has not.
  ~FontConfigPreload();
  FontConfigPreload(const FontConfigPreload&) = delete;
  FontConfigPreload& operator=(const FontConfigPreload&) = delete;

  // Returns once the configuration is read; the font database may be used from then on.
  void Wait();

 private:
  std::thread reader_;
};
