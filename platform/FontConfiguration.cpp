#include "platform/FontConfiguration.h"

#include <fontconfig/fontconfig.h>

#include <QtGlobal>

namespace {

// The folders and caches of the system's configuration, its rules that choose the fonts of the
// generic families (the desktop's default font, and the fonts that stand in for a character the
// chosen one lacks), and the settings its rules give every font. Its other rules, about fonts
// the program does not show, are left out. The rule files are named as the system's
// configuration names them, in the library's own configuration folder.
constexpr char kConfiguration[] = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts</dir>
  <dir>/usr/local/share/fonts</dir>
  <dir prefix="xdg">fonts</dir>
  <cachedir>/var/cache/fontconfig</cachedir>
  <cachedir prefix="xdg">fontconfig</cachedir>
  <include ignore_missing="yes">conf.d/45-generic.conf</include>
  <include ignore_missing="yes">conf.d/45-latin.conf</include>
  <include ignore_missing="yes">conf.d/49-sansserif.conf</include>
  <include ignore_missing="yes">conf.d/60-generic.conf</include>
  <include ignore_missing="yes">conf.d/60-latin.conf</include>
  <include ignore_missing="yes">conf.d/65-nonlatin.conf</include>
  <match target="font">
    <edit name="hintstyle" mode="assign"><const>hintslight</const></edit>
    <edit name="antialias" mode="assign"><bool>true</bool></edit>
    <edit name="lcdfilter" mode="assign"><const>lcddefault</const></edit>
  </match>
</fontconfig>
)";

}  // namespace

void UseProgramFontConfiguration() {
  if (qEnvironmentVariableIsSet("FONTCONFIG_FILE") || qEnvironmentVariableIsSet("FONTCONFIG_PATH")) return;
  FcConfig* config = FcConfigCreate();
  if (config == nullptr) return;
  const bool made = FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(kConfiguration), FcTrue) &&
                    FcConfigBuildFonts(config);
  // The current configuration holds a reference of its own.
  if (made) FcConfigSetCurrent(config);
  FcConfigDestroy(config);
}
