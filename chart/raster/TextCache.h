#pragma once
// What a repaint learns about its texts, kept from repaint to repaint: each text's width, and the
// pixels its glyphs set. The chart draws the same few texts again and again (a value mark per
// bar, the axes' labels); shaping and rasterising them once each saves almost all of their cost.
// Text is drawn without antialiasing, so a glyph pixel is either set in the pen's colour or left
// alone, and the set pixels of a text drawn at an integer position are the same wherever it goes.
#include <QFont>
#include <QHash>
#include <QRect>
#include <QString>
#include <array>
#include <optional>
#include <unordered_map>
#include <vector>


// The pixels a text's glyphs set when its baseline starts at (0, ascent): runs of one row each,
// and their bounds.
struct TextGlyphs {
  std::vector<QRect> Runs;
  QRect Bounds;
};

// The texts of one font.
class FontTexts {
 public:
  explicit FontTexts(const QFont& font);
  int Ascent() const { return ascent_; }
  int Height() const { return height_; }
  // The horizontal advance of the text.
  int Width(const QString& text);
  using Glyphs = TextGlyphs;
  // The glyph pixels of the text; null when the painter would not set whole pixels only (then it
  // must draw).
  const Glyphs* Pixels(const QString& text);

 private:
  struct Mask {
    bool Whole = false;
    Glyphs Pixels;
  };
  struct Entry {
    int Width = 0;
    std::optional<Mask> Pixels;  // once rasterised
  };
  // The text's entry, measured when it is new.
  Entry& Find(const QString& text);
  Mask Rasterise(const QString& text, int width);

  QFont font_;
  int ascent_, height_;
  // The entries stay where they are while others are added.
  std::unordered_map<QString, Entry> texts_;
  // The texts found last and their entries: a mark asks for its text and for "W" several times in
  // turn, and comparing a few short texts costs less than hashing one.
  struct Recent {
    QString Text;
    Entry* Found = nullptr;
  };
  std::array<Recent, 4> recent_;
  size_t nextRecent_ = 0;
};

class TextCache {
 public:
  using FontTexts = ::FontTexts;

  // A canvas font as the cache tells fonts apart: its colour does not matter.
  struct FontKey {
    QString Name;
    int Height;
    unsigned Style;
    int Escapement;
    friend bool operator==(const FontKey&, const FontKey&) = default;
    friend size_t qHash(const FontKey& k, size_t seed = 0) {
      return qHashMulti(seed, k.Name, k.Height, k.Style, k.Escapement);
    }
  };
  // The texts of the font with the key; qfont is the Qt font it draws with.
  FontTexts& For(const FontKey& key, const QFont& qfont);

 private:
  QHash<FontKey, FontTexts> fonts_;
};
