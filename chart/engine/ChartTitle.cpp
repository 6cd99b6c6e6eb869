#include "chart/engine/ChartTitle.h"

#include "chart/engine/ChartPanel.h"
#include "chart/settings/StoreChanged.h"

namespace {
const QString kMeasureText = QStringLiteral("W");
}  // namespace

TChartTitle::TChartTitle(TCustomChartPanel* chart) : TChartFontObject(chart) {
  Font().SetColor(clBlue);
  brush_.OnChange = [this] { Repaint(); };
  frame_.OnChange = [this] { Repaint(); };
}

void TChartTitle::SetAdjustFrame(bool value) {
  if (StoreChanged(adjustFrame_, value)) Repaint();
}

void TChartTitle::SetAlignment(TAlignment value) {
  if (StoreChanged(alignment_, value)) Repaint();
}

void TChartTitle::SetColor(TColor value) {
  if (StoreChanged(color_, value)) Repaint();
}

void TChartTitle::SetText(const QStringList& value) {
  if (StoreChanged(text_, value)) Repaint();
}

void TChartTitle::SetVisible(bool value) {
  if (StoreChanged(visible_, value)) Repaint();
}

// Fill: a colour of its own fills the box solid (a pattern over an opaque background of that
// colour); without one only a pattern is drawn, over a transparent background.
void TChartTitle::SelectFill(ChartCanvas& c) const {
  if (color_ == clAutoColor) {
    if (brush_.Style() == TBrushStyle::Solid) {
      c.SetBrushStyle(TBrushStyle::Clear);
    } else {
      c.SetBrush({ColorToRGB(brush_.Color()), brush_.Style()});
      c.SetBackMode(TBackMode::Transparent);
    }
  } else if (brush_.Style() == TBrushStyle::Solid) {
    c.SetBrush({ColorToRGB(color_), TBrushStyle::Solid});
  } else {
    c.SetBrush({ColorToRGB(brush_.Color()), brush_.Style()});
    c.SetBackColor(ColorToRGB(color_));
    c.SetBackMode(TBackMode::Opaque);
  }
}

void TChartTitle::DrawBox(ChartCanvas& c, const TRect& area, int wWidth) const {
  if (!frame_.Visible() && c.Brush().Style == TBrushStyle::Clear) return;
  TRect box = area;
  if (adjustFrame_) {
    int widest = 0;
    for (const QString& line : text_) widest = std::max(widest, c.TextWidth(line));
    const int boxWidth = widest + wWidth;
    switch (alignment_) {
      case taLeftJustify:
        box.Right = area.Left + boxWidth;
        break;
      case taRightJustify:
        box.Left = area.Right - boxWidth;
        break;
      case taCenter: {
        const int centre = (area.Left + area.Right) / 2;
        box.Left = centre - boxWidth / 2;
        box.Right = centre + boxWidth / 2;
        break;
      }
    }
  }
  c.Rectangle(box);
}

void TChartTitle::DrawLines(ChartCanvas& c, const TRect& area, int lineHeight, int wWidth) const {
  c.SetBackMode(TBackMode::Transparent);
  c.SetTextAlign(THorizAlign::Left, TVertAlign::Top);
  for (int i = 0; i < static_cast<int>(text_.size()); ++i) {
    const QString& line = text_.at(i);
    int x;
    switch (alignment_) {
      case taLeftJustify:
        x = area.Left + wWidth / 2;
        break;
      case taRightJustify:
        x = area.Right - c.TextWidth(line) - wWidth / 2;
        break;
      default:
        x = (area.Left + area.Right) / 2 - c.TextWidth(line) / 2;
        break;
    }
    c.TextOut(x, area.Top + i * lineHeight, line);
  }
}

void TChartTitle::Draw(TRect& plot, bool isFoot) {
  ChartCanvas& c = ParentChart()->Canvas().Canvas();
  c.SetFont(Font().ToCanvasFont());
  const int fh = c.TextHeight(kMeasureText);
  SelectFill(c);

  const bool framed = frame_.Visible() && frame_.Color() != clAutoColor;
  int fw = 0;
  if (framed) {
    c.SetPen(frame_.ToCanvasPen());
    fw = frame_.Width();
  } else {
    c.ClearPen();
  }
  const int left = plot.Left + fw;
  const int right = plot.Right - fw;
  const int n = static_cast<int>(text_.size());
  const int top = isFoot ? plot.Bottom - fw - n * fh : plot.Top + fw;
  const int bottom = top + n * fh;
  bounds_ = {left, top, right, bottom};
  if (frame_.Visible()) {
    const int pw = frame_.Width();
    bounds_ = {bounds_.Left - pw, bounds_.Top - pw, bounds_.Right + pw, bounds_.Bottom + pw};
  }

  const int wWidth = c.TextWidth(kMeasureText);
  DrawBox(c, {left, top, right, bottom}, wWidth);
  DrawLines(c, {left, top, right, bottom}, fh, wWidth);

  if (n == 0) {
    // No lines: only a visible frame takes its width on both sides of the empty box.
    if (frame_.Visible()) {
      if (isFoot) {
        plot.Bottom -= 2 * fw;
      } else {
        plot.Top += 2 * fw;
      }
    }
    return;
  }
  if (isFoot) {
    plot.Bottom = top - (frame_.Visible() ? fw : 0) - TitleGap;
  } else {
    plot.Top = bottom + (frame_.Visible() ? fw : 0) + TitleGap;
  }
}
