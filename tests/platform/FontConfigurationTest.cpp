#include "platform/FontConfiguration.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>
#include <string>

#include "platform/FontMap.h"

namespace {

// Keeps the process' configuration and puts it back afterwards, so that the other tests of the
// process read the one they started with.
class FontConfigurationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    before_ = FcConfigGetCurrent();
    FcConfigReference(before_);
  }
  void TearDown() override {
    FcConfigSetCurrent(before_);
    FcConfigDestroy(before_);
  }
  FcConfig* before_ = nullptr;
};

// What a configuration gives a font of the family at the pixel size: its file and how it is
// rendered, as one text to compare.
std::string Rendering(FcConfig* config, const QString& family, int pixelSize) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.toUtf8().constData()));
  FcPatternAddDouble(pattern, FC_PIXEL_SIZE, pixelSize);
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(config, pattern, &result);
  FcPatternDestroy(pattern);
  if (match == nullptr) return "no match";
  FcChar8* shown = FcPatternFormat(match, reinterpret_cast<const FcChar8*>(
                                              "%{file} hinting=%{hinting} hintstyle=%{hintstyle} antialias=%{antialias} "
                                              "lcdfilter=%{lcdfilter} rgba=%{rgba} autohint=%{autohint} "
                                              "embeddedbitmap=%{embeddedbitmap} embolden=%{embolden}"));
  std::string text = shown != nullptr ? reinterpret_cast<const char*>(shown) : "unformatted";
  FcStrFree(shown);
  FcPatternDestroy(match);
  return text;
}

}  // namespace

// The program's configuration finds the layout's fonts in the same files and renders them as the
// system's does, at the sizes the windows and the chart use.
TEST_F(FontConfigurationTest, RendersTheLayoutFontsAsTheSystemConfigurationDoes) {
  FcConfig* system = FcInitLoadConfigAndFonts();
  ASSERT_NE(system, nullptr);
  UseProgramFontConfiguration();
  FcConfig* program = FcConfigGetCurrent();
  ASSERT_NE(program, before_);
  for (const QString& layoutName : {kFontGothic, kFontPGothic, kFontPMincho}) {
    for (int pixels : {12, 16, 64}) {
      SCOPED_TRACE(layoutName.toStdString() + " " + std::to_string(pixels));
      const std::string rendering = Rendering(program, FontFamilyFor(layoutName), pixels);
      EXPECT_NE(rendering.find(".ttf"), std::string::npos) << rendering;
      EXPECT_EQ(rendering, Rendering(system, FontFamilyFor(layoutName), pixels));
    }
  }
  FcConfigDestroy(system);
}

// A configuration the user names is the one read.
TEST_F(FontConfigurationTest, LeavesAConfigurationTheUserNames) {
  for (const char* variable : {"FONTCONFIG_FILE", "FONTCONFIG_PATH"}) {
    SCOPED_TRACE(variable);
    const QByteArray kept = qgetenv(variable);
    const bool wasSet = qEnvironmentVariableIsSet(variable);
    qputenv(variable, "/etc/fonts/fonts.conf");
    UseProgramFontConfiguration();
    EXPECT_EQ(FcConfigGetCurrent(), before_);
    if (wasSet)
      qputenv(variable, kept);
    else
      qunsetenv(variable);
  }
}
