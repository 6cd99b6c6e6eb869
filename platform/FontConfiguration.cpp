#include "platform/FontConfiguration.h"

#include <fontconfig/fontconfig.h>

#include <QtGlobal>
#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace {

// What the system's main file holds besides its rule folder: the font folders, the other
// spellings of the generic family names, the package manager's unfinished font files left out,
// and the caches.
constexpr char kHead[] = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts</dir>
  <dir>/usr/local/share/fonts</dir>
  <dir prefix="xdg">fonts</dir>
  <dir>~/.fonts</dir>
  <match target="pattern">
    <test qual="any" name="family"><string>mono</string></test>
    <edit name="family" mode="assign" binding="same"><string>monospace</string></edit>
  </match>
  <match target="pattern">
    <test qual="any" name="family"><string>sans serif</string></test>
    <edit name="family" mode="assign" binding="same"><string>sans-serif</string></edit>
  </match>
  <match target="pattern">
    <test qual="any" name="family"><string>sans</string></test>
    <edit name="family" mode="assign" binding="same"><string>sans-serif</string></edit>
  </match>
  <match target="pattern">
    <test qual="any" name="family"><string>system ui</string></test>
    <edit name="family" mode="assign" binding="same"><string>system-ui</string></edit>
  </match>
  <selectfont><rejectfont><glob>*.dpkg-tmp</glob></rejectfont></selectfont>
  <selectfont><rejectfont><glob>*.dpkg-new</glob></rejectfont></selectfont>
  <cachedir>/var/cache/fontconfig</cachedir>
  <cachedir prefix="xdg">fontconfig</cachedir>
  <cachedir>~/.fontconfig</cachedir>
)";

// The rules that choose the fonts of the generic families (the desktop's default font, and the
// fonts that stand in for a character the chosen one lacks), and the files that read the user's
// own rules and the local ones, in between as in the system's configuration.
constexpr std::array<std::string_view, 8> kNamedRules{"45-generic.conf", "45-latin.conf", "49-sansserif.conf",
                                                      "50-user.conf",    "51-local.conf", "60-generic.conf",
                                                      "60-latin.conf",   "65-nonlatin.conf"};

// The number a rule file's name begins with, as the library reads its folder (two digits, and
// the name ends in ".conf"); -1 for any other name.
int RuleNumber(std::string_view name) {
  constexpr std::string_view kSuffix = ".conf";
  if (name.size() < 2 + kSuffix.size() || !name.ends_with(kSuffix)) return -1;
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  if (!digit(name[0]) || !digit(name[1])) return -1;
  return (name[0] - '0') * 10 + (name[1] - '0');
}

}  // namespace

std::vector<std::string> ProgramFontRules(std::vector<std::string> names) {
  std::erase_if(names, [](const std::string& name) {
    // 10 to 19: the rendering an administrator chooses for every font, under whichever names.
    const int number = RuleNumber(name);
    return (number < 10 || number > 19) && std::find(kNamedRules.begin(), kNamedRules.end(), name) == kNamedRules.end();
  });
  // In the order the library reads the folder in.
  std::sort(names.begin(), names.end());
  return names;
}

void UseProgramFontConfiguration() {
  if (qEnvironmentVariableIsSet("FONTCONFIG_FILE") || qEnvironmentVariableIsSet("FONTCONFIG_PATH")) return;
  FcConfig* config = FcConfigCreate();
  if (config == nullptr) return;
  // The rule files are named as the system's configuration names them, relative to the
  // library's own configuration folder. A name the text cannot hold fails the parse, and the
  // system's configuration is read instead.
  std::vector<std::string> names;
  std::error_code error;
  if (FcChar8* folder = FcConfigGetFilename(config, reinterpret_cast<const FcChar8*>("conf.d"))) {
    for (std::filesystem::directory_iterator it(reinterpret_cast<const char*>(folder), error), end; !error && it != end;
         it.increment(error))
      names.push_back(it->path().filename().string());
    FcStrFree(folder);
  }
  // A folder that cannot be read whole leaves the system's configuration to be read.
  if (error) {
    FcConfigDestroy(config);
    return;
  }
  std::string text = kHead;
  for (const std::string& name : ProgramFontRules(std::move(names)))
    text += "  <include ignore_missing=\"yes\">conf.d/" + name + "</include>\n";
  text += "</fontconfig>\n";
  const bool made =
      FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(text.c_str()), FcTrue) &&
      FcConfigBuildFonts(config);
  // The current configuration holds a reference of its own.
  if (made) FcConfigSetCurrent(config);
  FcConfigDestroy(config);
}
