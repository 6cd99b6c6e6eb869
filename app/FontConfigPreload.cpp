#include "app/FontConfigPreload.h"

#include <fontconfig/fontconfig.h>

#include <QtGlobal>

// FcInit keeps the configuration it reads for the whole process. The font database reads it on its
// first use unless it is there already, and would read it a second time if this reader were still
// busy then: the program waits for the reader before its first font.
FontConfigPreload::FontConfigPreload() {
  // The reader looks up environment variables as it goes. The connection to the display removes
  // DESKTOP_STARTUP_ID from the environment, which must not happen while another thread reads it;
  // with that variable set the font database reads the configuration itself, later.
  if (qEnvironmentVariableIsSet("DESKTOP_STARTUP_ID")) return;
  reader_ = std::thread([] { FcInit(); });
}

FontConfigPreload::~FontConfigPreload() { Wait(); }

void FontConfigPreload::Wait() {
  if (reader_.joinable()) reader_.join();
}
