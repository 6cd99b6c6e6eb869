#include "app/FontConfigPreload.h"

#include <fontconfig/fontconfig.h>

// FcInit keeps the configuration it reads for the whole process. The font database reads it on its
// first use unless it is there already, and would read it a second time if this reader were still
// busy then: the program waits for the reader before its first font.
FontConfigPreload::FontConfigPreload() : reader_([] { FcInit(); }) {}

FontConfigPreload::~FontConfigPreload() { Wait(); }

void FontConfigPreload::Wait() {
  if (reader_.joinable()) reader_.join();
}
