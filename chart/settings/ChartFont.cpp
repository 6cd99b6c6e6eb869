#include "chart/settings/ChartFont.h"

#include "chart/settings/StoreChanged.h"
#include "platform/FontMap.h"

namespace {
constexpr int kDefaultFontPoints = 9;
}  // namespace

TChartFont::TChartFont() : TChartFont(ChartDefault()) {}

TChartFont::TChartFont(const QString& name, int pixelHeight, TColor color)
    : name_(name), height_(pixelHeight), color_(color) {}

TChartFont::TChartFont(const TChartFont& other)
    : name_(other.name_), height_(other.height_), color_(other.color_), style_(other.style_) {}

TChartFont& TChartFont::operator=(const TChartFont& other) {
  if (this == &other || *this == other) return *this;
  name_ = other.name_;
  height_ = other.height_;
  color_ = other.color_;
  style_ = other.style_;
  Changed();
  return *this;
}

TChartFont TChartFont::ChartDefault() {
  return TChartFont(kFontPMincho, PointsToPixels(kDefaultFontPoints), clBlack);
}

void TChartFont::SetName(const QString& value) {
  if (StoreChanged(name_, value)) Changed();
}

void TChartFont::SetHeight(int value) {
  if (StoreChanged(height_, value)) Changed();
}

void TChartFont::SetColor(TColor value) {
  if (StoreChanged(color_, value)) Changed();
}

void TChartFont::SetStyle(unsigned value) {
  if (StoreChanged(style_, value)) Changed();
}

TCanvasFont TChartFont::ToCanvasFont() const {
  TCanvasFont f;
  f.Name = name_;
  f.Height = height_;
  f.Color = color_;
  f.Style = style_;
  return f;
}
