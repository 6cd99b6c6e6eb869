#include "chart/engine/ChartPanel.h"

#include <QPaintEvent>
#include <QResizeEvent>

#include "chart/settings/ChartException.h"
#include "chart/canvas/QtChartCanvas.h"
#include "chart/settings/StoreChanged.h"
#include "platform/Rounding.h"

namespace {
constexpr int kDefaultWidth = 400;
constexpr int kDefaultHeight = 250;
constexpr int kMin3DPercent = 1;
constexpr int kMax3DPercent = 100;
}  // namespace

TCustomChartPanel::TCustomChartPanel(QWidget* parent) : TCustomPanel(parent) {
  resize(kDefaultWidth, kDefaultHeight);
  // The repaint covers every pixel, so the platform's background erase is left out.
  setAttribute(Qt::WA_OpaquePaintEvent);
  view3DOptions_.OnChange = [this] { RequestRepaint(); };
  // Moves without a button pressed reach the chart too (series cursors).
  setMouseTracking(true);
  loadedCursor_ = cursor();
  repaintEnabled_ = true;
}

TCustomChartPanel::~TCustomChartPanel() = default;

void TCustomChartPanel::EndLoading() {
  loading_ = false;
  loadedCursor_ = cursor();
}

void TCustomChartPanel::DrawOverlay(ChartCanvas&) {}

void TCustomChartPanel::RequestRepaint() {
  if (!repaintEnabled_) return;
  canvas_.SetNeedsRedraw(true);
  update();
}

void TCustomChartPanel::SetMarginLeft(int value) {
  if (StoreChanged(marginLeft_, value)) RequestRepaint();
}

void TCustomChartPanel::SetMarginTop(int value) {
  if (StoreChanged(marginTop_, value)) RequestRepaint();
}

void TCustomChartPanel::SetMarginRight(int value) {
  if (StoreChanged(marginRight_, value)) RequestRepaint();
}

void TCustomChartPanel::SetMarginBottom(int value) {
  if (StoreChanged(marginBottom_, value)) RequestRepaint();
}

void TCustomChartPanel::SetView3D(bool value) {
  if (StoreChanged(view3D_, value)) RequestRepaint();
}

void TCustomChartPanel::SetChart3DPercent(int value) {
  if (value == chart3DPercent_) return;
  if (value < kMin3DPercent || value > kMax3DPercent) {
    throw ChartException(QStringLiteral("3 次元効果の割合は %1 から %2 の間でなければなりません")
                             .arg(kMin3DPercent)
                             .arg(kMax3DPercent));
  }
  chart3DPercent_ = value;
  RequestRepaint();
}

void TCustomChartPanel::SetMonochrome(bool value) {
  if (value == canvas_.Monochrome()) return;
  canvas_.SetMonochrome(value);
  RequestRepaint();
}

void TCustomChartPanel::SetMaxPointsPerPage(int value) {
  if (StoreChanged(maxPointsPerPage_, value)) RequestRepaint();
}

void TCustomChartPanel::SetPage(int value) {
  if (StoreChanged(page_, value)) RequestRepaint();
}

void TCustomChartPanel::SetScaleLastPage(bool value) {
  if (StoreChanged(scaleLastPage_, value)) RequestRepaint();
}

void TCustomChartPanel::CalcPlotRectFromPanel() {
  const int w = panelRect_.Width();
  const int h = panelRect_.Height();
  const int b = BorderWidth();
  plotRect_ = {panelRect_.Left + b + MulDiv(marginLeft_, w, 100),
               panelRect_.Top + b + MulDiv(marginTop_, h, 100),
               panelRect_.Right - b - MulDiv(marginRight_, w, 100),
               panelRect_.Bottom - b - MulDiv(marginBottom_, h, 100)};
  NormalizePlotRect();
}

void TCustomChartPanel::SetPlotRect(const TRect& r) {
  plotRect_ = r;
  NormalizePlotRect();
}

void TCustomChartPanel::NormalizePlotRect() {
  TRect& r = plotRect_;
  r.Left = std::max(r.Left, panelRect_.Left);
  r.Top = std::max(r.Top, panelRect_.Top);
  if (r.Right < r.Left) {
    r.Right = r.Left + 1;
  } else if (r.Right == r.Left) {
    r.Right = r.Left + width();
  }
  if (r.Bottom < r.Top) {
    r.Bottom = r.Top + 1;
  } else if (r.Bottom == r.Top) {
    r.Bottom = r.Top + height();
  }
  plotWidth_ = r.Width();
  plotHeight_ = r.Height();
  plotCenterX_ = (r.Left + r.Right) / 2;
  plotCenterY_ = (r.Top + r.Bottom) / 2;
}

void TCustomChartPanel::DrawBevel(TRect& r, TBevelCut cut, int width) {
  if (cut == bvNone) return;
  ChartCanvas& c = canvas_.Canvas();
  const TColor topLeft = ColorToRGB(cut == bvRaised ? clBtnHighlight : clBtnShadow);
  const TColor bottomRight = ColorToRGB(cut == bvRaised ? clBtnShadow : clBtnHighlight);
  for (int i = 0; i < width; ++i) {
    // The platform's 3D frame: top and left edges, then bottom and right edges.
    c.SetPenColor(topLeft);
    c.Line(r.Left, r.Bottom - 1, r.Left, r.Top);
    c.Line(r.Left, r.Top, r.Right - 1, r.Top);
    c.SetPenColor(bottomRight);
    c.Line(r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1);
    c.Line(r.Right - 1, r.Bottom - 1, r.Left - 1, r.Bottom - 1);
    r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
  }
}

void TCustomChartPanel::PaintPanel() {
  ChartCanvas& c = canvas_.Canvas();
  c.SetBrush({ColorToRGB(Color()), TBrushStyle::Solid});
  c.FillRect(panelRect_);
  TCanvasPen pen;
  pen.Color = clBlack;
  c.SetPen(pen);
  c.SetPenMode(TPenMode::Copy);
  c.SetBrushStyle(TBrushStyle::Clear);
  TRect r = panelRect_;
  DrawBevel(r, BevelOuter(), BevelWidth());
  c.SetPenColor(ColorToRGB(Color()));
  for (int i = 0; i < BorderWidth(); ++i) {
    c.Rectangle(r);
    r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
  }
  DrawBevel(r, BevelInner(), BevelWidth());
}

void TCustomChartPanel::Draw(ChartCanvas* windowCanvas, const TRect& clientRect) {
  canvas_.SetWindowCanvas(windowCanvas);
  TView3DSettings view;
  view.View3D = view3D_;
  view.Orthogonal = view3DOptions_.Orthogonal();
  view.Zoom = view3DOptions_.Zoom();
  view.ZoomText = view3DOptions_.ZoomText();
  view.HorizOffset = view3DOptions_.HorizOffset();
  view.VertOffset = view3DOptions_.VertOffset();
  panelRect_ = canvas_.BeginRepaint(view, clientRect);
  InternalDraw();
  canvas_.EndRepaint();
}

const QImage& TCustomChartPanel::RenderToImage() {
  ChartCanvas* window = canvas_.WindowCanvas();
  Draw(nullptr, {0, 0, width(), height()});
  canvas_.SetWindowCanvas(window);
  return canvas_.Bitmap();
}

void TCustomChartPanel::paintEvent(QPaintEvent*) {
  QtChartCanvas windowCanvas(this);
  if (!canvas_.NeedsRedraw() && !canvas_.Bitmap().isNull()) {
    windowCanvas.DrawImage(0, 0, canvas_.Bitmap());
  } else {
    Draw(&windowCanvas, {0, 0, width(), height()});
  }
  DrawOverlay(windowCanvas);
  // The window canvas ends with this paint; between paints nothing is drawn on the window.
  canvas_.SetWindowCanvas(nullptr);
}

void TCustomChartPanel::resizeEvent(QResizeEvent* event) {
  TCustomPanel::resizeEvent(event);
  // The platform may repeat a resize of a hidden window without a change of size.
  const QImage& bitmap = canvas_.Bitmap();
  if (bitmap.isNull() || bitmap.width() != width() || bitmap.height() != height()) RequestRepaint();
}
