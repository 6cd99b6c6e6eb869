#include <gtest/gtest.h>

#include <QDir>

#include "PixelImage.h"
#include "chart/canvas/ChartCanvas3D.h"

namespace {

// A repaint of a w x h panel through the 3D canvas with the default view.
struct Scene {
  TChartCanvas3D c3d;
  explicit Scene(int w, int h, const TRect& plot) {
    c3d.BeginRepaint({}, {0, 0, w, h});
    c3d.SetupProjection(plot);
  }
  ChartCanvas& canvas() { return c3d.Canvas(); }
  const QImage& Finish() {
    c3d.EndRepaint();
    return c3d.Bitmap();
  }
};

TEST(BoxPixels, RedBarShowsFrontRightSideAndTopShaded) {
  Scene s(60, 60, {0, 0, 60, 60});
  s.canvas().SetPen({clBlack, 1, TPenStyle::Solid, true});
  s.canvas().SetBrush({clRed, TBrushStyle::Solid});
  s.c3d.Box(10, 30, 20, 50, 0, 8, true);
  const QImage& img = s.Finish();
  EXPECT_EQ(PixelAt(img, 20, 35), RGBColor(255, 0, 0)) << "front";
  EXPECT_EQ(PixelAt(img, 34, 35), RGBColor(127, 0, 0)) << "right side";
  EXPECT_EQ(PixelAt(img, 24, 16), RGBColor(191, 0, 0)) << "top";
  EXPECT_EQ(PixelAt(img, 10, 35), clBlack) << "outline";
  EXPECT_EQ(PixelAt(img, 14, 45), RGBColor(255, 0, 0)) << "no left side or bottom";
  EXPECT_EQ(PixelAt(img, 12, 52), clWhite);
}

// A small chart-like scene: walls, dotted grid across floor and back wall, a shaded bar, a
// ribbon, labels and a rotated title. Saved as canvas_scene.png in the working directory.
TEST(ScenePicture, DrawsWallsGridBarRibbonAndTextAndSavesIt) {
  const int L = 50, T = 40, R = 260, B = 170, D = 16;
  Scene s(300, 210, {L, T, R, B});
  ChartCanvas& c = s.canvas();
  c.ClearPen();
  c.SetBrush({clBtnFace, TBrushStyle::Solid});
  c.FillRect({0, 0, 300, 210});

  c.SetPen({clBlack, 1, TPenStyle::Solid, true});
  c.SetBrushStyle(TBrushStyle::Clear);
  s.c3d.RectAtZ({L + 1, T - 1, R, B}, D);
  c.SetBrush({0x0080FFFF, TBrushStyle::Solid});
  s.c3d.SidePlane(L, T, B, 0, D + 1);
  c.SetBrush({clWhite, TBrushStyle::Solid});
  s.c3d.FloorPlane(L, B, R, 0, D);

  c.SetPen({clGray, 1, TPenStyle::Dot, true});
  for (int x = L + 30; x < R; x += 60) {
    s.c3d.DepthLine(x, B, 0, D);
    s.c3d.VertLineZ(x, T, B, D);
  }
  for (int y = T + 30; y < B; y += 30) {
    s.c3d.DepthLine(L, y, 0, D);
    s.c3d.HorizLineZ(L, R, y, D);
  }

  c.SetTextAlign(THorizAlign::Right, TVertAlign::Top);
  for (int y = T + 30, v = 75; y < B; y += 30, v -= 25) s.c3d.TextOutZ(L - 6, y - 7, QString::number(v), 0);
  c.SetTextAlign(THorizAlign::Center, TVertAlign::Bottom);
  s.c3d.RotatedTextOutZ(20, (T + B) / 2, 90, QStringLiteral("正答率（％）"), 0);
  c.SetTextAlign(THorizAlign::Left, TVertAlign::Top);

  s.c3d.BoxClip({L, T, R, B}, 0, D);
  c.SetPen({clBlack, 1, TPenStyle::Solid, true});
  c.SetBrush({clRed, TBrushStyle::Solid});
  s.c3d.Box(100, 130, 80, B, 8, 16, true);
  c.SetBrush({clBlue, TBrushStyle::Solid});
  s.c3d.PlaneWithZ({80, 150}, {L, 120}, 0, 8);
  s.c3d.PlaneWithZ({170, 100}, {80, 150}, 0, 8);
  c.SetBrushColor(TChartCanvas3D::DarkenColor(clBlue, TChartCanvas3D::TopDarkening));
  s.c3d.PlaneWithZ({200, 30}, {170, 100}, 0, 8);
  s.c3d.Unclip();
  const QImage& img = s.Finish();

  const QString path = QDir::current().absoluteFilePath("canvas_scene.png");
  ASSERT_TRUE(img.save(path)) << path.toStdString();
  const TColor face = ColorToRGB(clBtnFace);
  EXPECT_EQ(PixelAt(img, 112, 80), RGBColor(255, 0, 0)) << "bar front";
  EXPECT_EQ(PixelAt(img, 150, 60), face) << "back wall, no fill of its own";
  // The back wall's grid at y = T + 30: gray on every other pixel.
  int gy = T + 30 - D;
  EXPECT_EQ(PixelAt(img, L + D + 2, gy), clGray);
  EXPECT_EQ(PixelAt(img, L + D + 3, gy), face);
  EXPECT_EQ(PixelAt(img, L + D + 4, gy), clGray);
  // The ribbon is clipped to the hexagon: nothing of it above the back's top edge.
  for (int x = L; x < R + D; ++x) EXPECT_NE(PixelAt(img, x, T - D - 2), clBlue) << x;
}

}  // namespace
