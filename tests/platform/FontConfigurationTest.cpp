#include "platform/FontConfiguration.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>
#include <string>
#include <vector>

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
    if (system_ != nullptr) FcConfigDestroy(system_);
  }
  // Reads the system's configuration anew into system_ and makes the program's the current one,
  // program_.
  void MakeBoth() {
    system_ = FcInitLoadConfigAndFonts();
    ASSERT_NE(system_, nullptr);
    UseProgramFontConfiguration();
    program_ = FcConfigGetCurrent();
    ASSERT_NE(program_, before_);
  }
  FcConfig* before_ = nullptr;
  FcConfig* system_ = nullptr;
  FcConfig* program_ = nullptr;
};

// Sets an environment variable for its lifetime and then puts back what was there, or nothing.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const QByteArray& value)
      : name_(name), kept_(qgetenv(name)), wasSet_(qEnvironmentVariableIsSet(name)) {
    qputenv(name, value);
  }
  ~ScopedVariable() {
    if (wasSet_)
      qputenv(name_, kept_);
    else
      qunsetenv(name_);
  }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  const char* name_;
  QByteArray kept_;
  bool wasSet_;
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

// The files of the fonts that stand in, in order, for a Japanese text asked for in the family.
std::string Fallbacks(FcConfig* config, const char* family) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
  FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcFontSet* sorted = FcFontSort(config, pattern, FcTrue, nullptr, &result);
  FcPatternDestroy(pattern);
  std::string files;
  for (int k = 0; sorted != nullptr && k < sorted->nfont; ++k) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(sorted->fonts[k], FC_FILE, 0, &file) == FcResultMatch) files += reinterpret_cast<const char*>(file);
    files += '\n';
  }
  if (sorted != nullptr) FcFontSetDestroy(sorted);
  return files;
}

}  // namespace

// The program's configuration finds the layout's fonts in the same files and renders them as the
// system's does, at the sizes the windows and the chart use.
TEST_F(FontConfigurationTest, RendersTheLayoutFontsAsTheSystemConfigurationDoes) {
  ASSERT_NO_FATAL_FAILURE(MakeBoth());
  for (const QString& layoutName : {kFontGothic, kFontPGothic, kFontPMincho}) {
    for (int pixels : {12, 16, 64}) {
      SCOPED_TRACE(layoutName.toStdString() + " " + std::to_string(pixels));
      const std::string rendering = Rendering(program_, FontFamilyFor(layoutName), pixels);
      EXPECT_NE(rendering.find(".ttf"), std::string::npos) << rendering;
      EXPECT_EQ(rendering, Rendering(system_, FontFamilyFor(layoutName), pixels));
    }
  }
}

// The desktop's default family, and the fonts that stand in for the characters it lacks, are the
// system's choice: the error box and the tool tips look as in any other program.
TEST_F(FontConfigurationTest, ChoosesTheDefaultFamiliesAsTheSystemConfigurationDoes) {
  ASSERT_NO_FATAL_FAILURE(MakeBoth());
  for (const char* family : {"Sans Serif", "sans-serif", "sans", "serif", "monospace", "mono"}) {
    SCOPED_TRACE(family);
    EXPECT_EQ(Fallbacks(program_, family), Fallbacks(system_, family));
    for (int pixels : {9, 12, 16}) {
      SCOPED_TRACE(pixels);
      EXPECT_EQ(Rendering(program_, QString::fromLatin1(family), pixels), Rendering(system_, QString::fromLatin1(family), pixels));
    }
  }
}

// A rule of the user's own applies to the layout's fonts as the system's configuration applies it.
TEST_F(FontConfigurationTest, FollowsTheUsersOwnRules) {
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("fontconfig")));
  QFile rules(home.filePath(QStringLiteral("fontconfig/fonts.conf")));
  ASSERT_TRUE(rules.open(QIODevice::WriteOnly));
  rules.write(R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <match target="font">
    <edit name="antialias" mode="assign"><bool>false</bool></edit>
    <edit name="hintstyle" mode="assign"><const>hintfull</const></edit>
  </match>
</fontconfig>
)");
  rules.close();
  {
    const ScopedVariable configHome("XDG_CONFIG_HOME", home.path().toUtf8());
    MakeBoth();
  }
  if (HasFatalFailure()) return;
  for (const QString& layoutName : {kFontGothic, kFontPGothic, kFontPMincho}) {
    SCOPED_TRACE(layoutName.toStdString());
    const std::string rendering = Rendering(program_, FontFamilyFor(layoutName), 16);
    EXPECT_NE(rendering.find("antialias=False"), std::string::npos) << rendering;
    EXPECT_EQ(rendering, Rendering(system_, FontFamilyFor(layoutName), 16));
  }
}

// Of the system's rule files: the rendering defaults (10 to 19) under any name, the six that
// choose the generic families and the two that read the user's and the local rules, in the
// library's order.
TEST(ProgramFontRules, ReadsTheRenderingDefaultsTheFamiliesAndTheUsersRules) {
  const std::vector<std::string> folder{"README",
                                        "65-nonlatin.conf",
                                        "50-user.conf",
                                        "10-sub-pixel-rgb.conf",
                                        "20-unhint-small-vera.conf",
                                        "30-metric-aliases.conf",
                                        "40-nonlatin.conf",
                                        "45-generic.conf",
                                        "45-latin.conf",
                                        "49-sansserif.conf",
                                        "51-local.conf",
                                        "57-dejavu-sans.conf",
                                        "60-generic.conf",
                                        "60-latin.conf",
                                        "65-fonts-persian.conf",
                                        "70-no-bitmaps.conf",
                                        "11-lcdfilter-default.conf",
                                        "10-hinting-slight.conf",
                                        "10-hinting-slight.conf.dpkg-old",
                                        "1-odd.conf",
                                        "19-last.conf",
                                        "09-early.conf",
                                        "90-synthetic.conf"};
  const std::vector<std::string> expected{"10-hinting-slight.conf", "10-sub-pixel-rgb.conf", "11-lcdfilter-default.conf",
                                          "19-last.conf",           "45-generic.conf",       "45-latin.conf",
                                          "49-sansserif.conf",      "50-user.conf",          "51-local.conf",
                                          "60-generic.conf",        "60-latin.conf",         "65-nonlatin.conf"};
  EXPECT_EQ(ProgramFontRules(folder), expected);
}

// A configuration the user names is the one read.
TEST_F(FontConfigurationTest, LeavesAConfigurationTheUserNames) {
  for (const char* variable : {"FONTCONFIG_FILE", "FONTCONFIG_PATH"}) {
    SCOPED_TRACE(variable);
    const ScopedVariable named(variable, "/etc/fonts/fonts.conf");
    UseProgramFontConfiguration();
    EXPECT_EQ(FcConfigGetCurrent(), before_);
  }
}
