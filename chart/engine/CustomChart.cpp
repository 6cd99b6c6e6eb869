#include "chart/engine/CustomChart.h"

namespace {
constexpr TColor kLeftWallColor = 0x0080FFFF;  // pale yellow
}  // namespace

TCustomChart::TCustomChart(QWidget* parent)
    : TCustomAxisPanel(parent),
      title_(this),
      foot_(this),
      backWall_(this),
      leftWall_(this),
      legend_(this),
      bottomWall_(this) {
  backWall_.Brush().SetStyle(TBrushStyle::Clear);
  leftWall_.SetColor(kLeftWallColor);
  bottomWall_.SetColor(clWhite);
}

int TCustomChart::AxisWallSize(const TCustomChartAxis* axis) const {
  if (!View3D() || !View3DWalls()) return 0;
  if (axis == LeftAxis()) return leftWall_.Size();
  if (axis == BottomAxis()) return bottomWall_.Size();
  return 0;
}

int TCustomChart::BackWallSize() const { return backWall_.Size(); }

void TCustomChart::DrawTitlesAndLegend() {
  TRect plot = PlotRect();
  if (title_.Visible()) {
    title_.Draw(plot, false);
    SetPlotRect(plot);
  }
  if (foot_.Visible()) {
    plot = PlotRect();
    foot_.Draw(plot, true);
    SetPlotRect(plot);
  }
}

namespace {
// Whether a box wall shades its sides: dark sides on, and a brush that fills.
bool ShadesSides(const TChartWall& wall) {
  return wall.Dark3D() && wall.Brush().Style() != TBrushStyle::Clear;
}
}  // namespace

void TCustomChart::DrawWalls() {
  TChartCanvas3D& c3 = Canvas();
  const TRect& p = PlotRect();
  if (!View3D()) {
    backWall_.PrepareCanvas();
    c3.Canvas().Rectangle({p.Left, p.Top, p.Right + 1, p.Bottom + 1});
    return;
  }
  if (!View3DWalls()) return;
  const int d = ChartDepth();
  const int leftSize = AxisWallSize(LeftAxis());
  const int bottomSize = AxisWallSize(BottomAxis());

  backWall_.PrepareCanvas();
  if (backWall_.Size() < 1) {
    c3.RectAtZ({p.Left + 1, p.Top - 1, p.Right, p.Bottom}, d);
  } else {
    const int z0 = d < 0 ? d - backWall_.Size() : d;
    c3.Box(p.Left - leftSize, p.Right, p.Top, p.Bottom + bottomSize, z0, z0 + backWall_.Size(),
           ShadesSides(backWall_));
  }

  leftWall_.PrepareCanvas();
  if (leftWall_.Size() < 1) {
    c3.SidePlane(p.Left, p.Top, p.Bottom + bottomSize, 0, d + 1);
  } else {
    c3.Box(p.Left - leftWall_.Size(), p.Left, p.Top, p.Bottom + bottomSize, 0, d, ShadesSides(leftWall_));
  }

  bottomWall_.PrepareCanvas();
  if (bottomWall_.Size() < 1) {
    c3.FloorPlane(p.Left, p.Bottom, p.Right, 0, d);
  } else {
    c3.Box(p.Left, p.Right, p.Bottom, p.Bottom + bottomWall_.Size(), 0, d, ShadesSides(bottomWall_));
  }
}
