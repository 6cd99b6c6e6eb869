// The chart's mouse: a left drag zooms into its rectangle (or, dragged the other way, undoes
// the zoom), a right drag pans, the wheel scrolls the vertical scales.
#include <QMouseEvent>
#include <QWheelEvent>
#include <cstdlib>

#include "chart/engine/CustomChart.h"
#include "chart/engine/ChartMouseSettings.h"
#include "chart/engine/ChartSeries.h"

namespace {

TAxisScale ScaleOf(const TCustomChartAxis& axis) {
  return {axis.Automatic(), axis.AutomaticMinimum(), axis.AutomaticMaximum(), axis.Minimum(), axis.Maximum()};
}

void RestoreScale(TCustomChartAxis& axis, const TAxisScale& scale) {
  axis.SetAutomatic(scale.Automatic);
  axis.SetAutomaticMinimum(scale.AutomaticMinimum);
  axis.SetAutomaticMaximum(scale.AutomaticMaximum);
  if (!axis.Automatic()) axis.SetRange(scale.Minimum, scale.Maximum);
}

bool KeysHeld(Qt::KeyboardModifiers held, Qt::KeyboardModifiers wanted) { return (held & wanted) == wanted; }

}  // namespace

TCustomChart::TPart TCustomChart::PartAt(int x, int y, TChartSeries*& series, int& index,
                                         TCustomChartAxis*& axis) const {
  const auto& list = SeriesList();
  for (auto it = list.rbegin(); it != list.rend(); ++it) {
    if (!(*it)->Active()) continue;
    const int hit = (*it)->Clicked(x, y);
    if (hit >= 0) {
      series = *it;
      index = hit;
      return TPart::Series;
    }
  }
  for (TCustomChartAxis* a : AxesList()) {
    if (a->AxisHitTest(x, y)) {
      axis = a;
      return TPart::Axis;
    }
  }
  if (title_.Visible() && title_.TitleBounds().Contains(x, y)) return TPart::Title;
  if (foot_.Visible() && foot_.TitleBounds().Contains(x, y)) return TPart::Foot;
  if (HasActiveSeries() && PlotRect().Contains(x, y)) return TPart::Plot;
  return TPart::None;
}

bool TCustomChart::AllowsDrag(const std::function<void()>& notify) {
  if (!notify) return true;
  cancelMouse_ = true;
  notify();
  return !cancelMouse_;
}

void TCustomChart::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers keys, int x, int y, bool doubleClick) {
  if (ZoomDrag.Dragging || PanDrag.Dragging) return;
  TChartSeries* series = nullptr;
  int index = -1;
  TCustomChartAxis* axis = nullptr;
  bool dragAllowed = false;
  switch (PartAt(x, y, series, index, axis)) {
    case TPart::Series: {
      const auto& own = doubleClick ? series->OnDblClick : series->OnClick;
      dragAllowed = AllowsDrag(own ? std::function<void()>([&] { own(*series, index); }) : std::function<void()>());
      if (dragAllowed && OnClickSeries) dragAllowed = AllowsDrag([&] { OnClickSeries(*series, index); });
      break;
    }
    case TPart::Axis:
      dragAllowed = AllowsDrag(OnClickAxis ? std::function<void()>([&] { OnClickAxis(*axis); })
                                           : std::function<void()>());
      break;
    case TPart::Plot:
      dragAllowed = AllowsDrag(OnClickBackground);
      break;
    default:
      break;
  }
  if (dragAllowed) {
    if (AllowZoom() && button == kZoomButton && KeysHeld(keys, kZoomKeys)) {
      setCursor(Qt::ArrowCursor);
      ZoomDrag.Begin(x, y);  // the rubber band appears with the first move
    }
    if (AllowPanning() != pmNone && button == kPanButton && KeysHeld(keys, kPanKeys)) {
      setCursor(Qt::ArrowCursor);
      PanDrag.Begin(x, y);
    }
  }
  cancelMouse_ = false;
}

void TCustomChart::TakeSnapshot() {
  if (snapshotTaken_) return;
  scaleSnapshot_ = {ScaleOf(*TopAxis()), ScaleOf(*BottomAxis()), ScaleOf(*LeftAxis()), ScaleOf(*RightAxis())};
  snapshotTaken_ = true;
}

void TCustomChart::ShiftAxisByPixels(TCustomChartAxis& axis, int from, int to) {
  const double d = axis.PixelToValue(from) - axis.PixelToValue(to);
  double min = axis.Minimum() + d;
  double max = axis.Maximum() + d;
  bool allow = true;
  if (OnAllowScroll) OnAllowScroll(axis, min, max, allow);
  if (allow) axis.SetRange(min, max);
}

void TCustomChart::PanTo(int x, int y) {
  if (!PlotRect().Contains(x, y)) {
    PanDrag.Dragging = false;
    return;
  }
  if (x == PanDrag.EndX && y == PanDrag.EndY) return;
  TakeSnapshot();
  const TPanningMode mode = AllowPanning();
  const bool horizontal = x != PanDrag.EndX && (mode == pmHorizontal || mode == pmBoth);
  const bool vertical = y != PanDrag.EndY && (mode == pmVertical || mode == pmBoth);
  for (TCustomChartAxis* axis : AxesList()) {
    if (horizontal && axis->IsHorizontal()) ShiftAxisByPixels(*axis, PanDrag.EndX, x);
    if (vertical && !axis->IsHorizontal() && !axis->IsDepth()) ShiftAxisByPixels(*axis, PanDrag.EndY, y);
  }
  PanDrag.EndX = x;
  PanDrag.EndY = y;
  if (horizontal || vertical) {
    if (OnScroll) OnScroll();
    RequestRepaint();
  }
}

void TCustomChart::UpdateCursor(int x, int y) {
  bool cursorSet = false;
  for (TChartSeries* s : SeriesList()) {
    if (!cursorSet && s->Active() && s->Cursor() != 0 && s->Clicked(x, y) >= 0) {
      setCursor(static_cast<Qt::CursorShape>(s->Cursor()));
      cursorSet = true;
    }
  }
  for (TChartSeries* s : SeriesList()) s->MouseMove(x, y);
  if (!cursorSet) setCursor(LoadedCursor());
}

void TCustomChart::MouseMove(Qt::KeyboardModifiers, int x, int y) {
  if (ZoomDrag.Dragging) {
    if (x == ZoomDrag.EndX && y == ZoomDrag.EndY) return;
    const QRegion before = RubberBandPixels();
    ZoomDrag.EndX = x;
    ZoomDrag.EndY = y;
    update(before + RubberBandPixels());  // the rubber band follows
  } else if (PanDrag.Dragging) {
    PanTo(x, y);
  } else {
    UpdateCursor(x, y);
  }
}

void TCustomChart::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
  for (TChartSeries* s : SeriesList()) s->MouseRelease(x, y);
  if (ZoomDrag.Dragging && button == kZoomButton) {
    update(RubberBandPixels());  // the rubber band goes
    ZoomDrag.Dragging = false;
    ZoomDrag.EndX = x;
    ZoomDrag.EndY = y;
    const int dx = ZoomDrag.EndX - ZoomDrag.StartX;
    const int dy = ZoomDrag.EndY - ZoomDrag.StartY;
    if (std::abs(dx) > kMinZoomDragPixels && std::abs(dy) > kMinZoomDragPixels) {
      if (dx > 0 && dy > 0) {
        ZoomToRect();
      } else {
        UndoZoom();
      }
      RequestRepaint();
    }
  }
  PanDrag.Dragging = false;
}

void TCustomChart::ZoomToRect() {
  ZoomDrag.Normalize();
  struct TNewRange {
    TCustomChartAxis* Axis;
    double Min;
    double Max;
  };
  const auto horizontal = [this](TCustomChartAxis* a) {
    return TNewRange{a, a->PixelToValue(ZoomDrag.StartX), a->PixelToValue(ZoomDrag.EndX)};
  };
  const auto vertical = [this](TCustomChartAxis* a) {
    return TNewRange{a, a->PixelToValue(ZoomDrag.EndY), a->PixelToValue(ZoomDrag.StartY)};
  };
  const TNewRange ranges[] = {vertical(LeftAxis()), vertical(RightAxis()), horizontal(TopAxis()),
                              horizontal(BottomAxis())};
  TakeSnapshot();
  if (AnimatedZoom()) {
    for (int step = 1; step < AnimatedZoomSteps(); ++step) {
      for (const TNewRange& r : ranges) {
        TCustomChartAxis& a = *r.Axis;
        a.SetRange(a.Minimum() + (r.Min - a.Minimum()) / kZoomStepDivisor,
                   a.Maximum() - (a.Maximum() - r.Max) / kZoomStepDivisor);
      }
      RequestRepaint();
      repaint();
    }
  }
  for (const TNewRange& r : ranges) r.Axis->SetRange(r.Min, r.Max);
  zoomedState_ = true;
  if (OnZoom) OnZoom();
}

void TCustomChart::UndoZoom() {
  if (snapshotTaken_) {
    RestoreScale(*TopAxis(), scaleSnapshot_.Top);
    RestoreScale(*BottomAxis(), scaleSnapshot_.Bottom);
    RestoreScale(*LeftAxis(), scaleSnapshot_.Left);
    RestoreScale(*RightAxis(), scaleSnapshot_.Right);
    snapshotTaken_ = false;
  }
  if (OnUndoZoom) OnUndoZoom();
  RequestRepaint();
  zoomedState_ = false;
}

void TCustomChart::WheelStep(bool down) {
  for (TCustomChartAxis* axis : AxesList()) {
    if (axis->IsHorizontal()) continue;
    const double d = (axis->Maximum() - axis->Minimum()) * kWheelStepShare;
    axis->ShiftRange(down ? d : -d, false);
  }
}

void TCustomChart::MouseLeave() {
  setCursor(LoadedCursor());
  PanDrag.Dragging = false;
}

void TCustomChart::DrawOverlay(ChartCanvas& c) {
  if (!ZoomDrag.Dragging) return;
  // Not-XOR in a colour that shows on the panel: the panel colour, black on a white panel.
  TColor color = ColorToRGB(Color());
  if (color == clWhite) color = clBlack;
  TCanvasPen pen;
  pen.Color = color;
  c.SetPen(pen);
  c.SetPenMode(TPenMode::NotXor);
  c.SetBrushStyle(TBrushStyle::Clear);
  c.Rectangle(RubberBandRect());
  c.SetPenMode(TPenMode::Copy);
}

TRect TCustomChart::RubberBandRect() const {
  return {std::min(ZoomDrag.StartX, ZoomDrag.EndX), std::min(ZoomDrag.StartY, ZoomDrag.EndY),
          std::max(ZoomDrag.StartX, ZoomDrag.EndX), std::max(ZoomDrag.StartY, ZoomDrag.EndY)};
}

// The outline of a one-pixel pen runs on the rectangle's outermost rows and columns.
QRegion TCustomChart::RubberBandPixels() const {
  const TRect r = RubberBandRect();
  if (r.IsEmpty()) return QRegion();
  const int width = r.Right - r.Left, height = r.Bottom - r.Top;
  QRegion pixels(r.Left, r.Top, width, 1);
  pixels += QRect(r.Left, r.Bottom - 1, width, 1);
  pixels += QRect(r.Left, r.Top, 1, height);
  pixels += QRect(r.Right - 1, r.Top, 1, height);
  return pixels;
}

// The chart takes its mouse input itself; nothing goes on to the window behind it.
void TCustomChart::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  MouseDown(event->button(), event->modifiers(), p.x(), p.y());
}

void TCustomChart::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  MouseDown(event->button(), event->modifiers(), p.x(), p.y(), true);
}

void TCustomChart::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  MouseMove(event->modifiers(), p.x(), p.y());
}

void TCustomChart::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  MouseUp(event->button(), event->modifiers(), p.x(), p.y());
}

void TCustomChart::wheelEvent(QWheelEvent* event) {
  // One step per notch (120 units) in either direction. Fine wheels and touch pads send parts of
  // a notch, which add up; a turn the other way starts from nothing, rather than first undoing
  // what is left over from the turn before.
  const int delta = event->angleDelta().y();
  if ((delta < 0 && wheelRemainder_ > 0) || (delta > 0 && wheelRemainder_ < 0)) wheelRemainder_ = 0;
  const qint64 total = qint64{wheelRemainder_} + delta;
  const qint64 notches = total / QWheelEvent::DefaultDeltasPerStep;
  wheelRemainder_ = static_cast<int>(total - notches * QWheelEvent::DefaultDeltasPerStep);
  for (qint64 i = 0; i < std::abs(notches); ++i) WheelStep(notches < 0);
  event->accept();
}

void TCustomChart::leaveEvent(QEvent* event) {
  TCustomAxisPanel::leaveEvent(event);
  wheelRemainder_ = 0;  // a part of a notch does not wait for the pointer's return
  MouseLeave();
}
