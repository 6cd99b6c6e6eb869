#include <gtest/gtest.h>

#include "Canvas3DFixture.h"

namespace {

struct ProjectCase {
  const char* name;
  TView3DSettings view;
  TRect plot;
  TPoint in;
  int z;
  TPoint expected;
};

class ProjectTest : public ::testing::TestWithParam<ProjectCase> {};

TEST_P(ProjectTest, MapsChartPointToPixel) {
  const ProjectCase& p = GetParam();
  Recorded3D f(p.view, p.plot);
  EXPECT_EQ(f.c3d.Project(p.in.X, p.in.Y, p.z), p.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Views, ProjectTest,
    ::testing::Values(
        // With the defaults every unit of depth is one pixel right and one up, whatever the centre.
        ProjectCase{"DefaultsResultGraphPlot", {}, {18, 55, 567, 431}, {100, 200}, 8, {108, 192}},
        ProjectCase{"DefaultsOtherPlot", {}, {200, 200, 400, 300}, {100, 200}, 8, {108, 192}},
        ProjectCase{"DefaultsOddCentre", {}, {0, 0, 7, 9}, {100, 200}, 8, {108, 192}},
        // Zoom 50 about the centre (300, 250): Round(-96) + 300, Round(-29) + 250.
        ProjectCase{"Zoom50", View(50), {200, 200, 400, 300}, {100, 200}, 8, {204, 221}},
        // Halves go to the even neighbour: 2.5 -> 2, 3.5 -> 4, -2.5 -> -2, -3.5 -> -4.
        ProjectCase{"HalfDownToEven", View(50), {0, 0, 0, 0}, {5, -5}, 0, {2, -2}},
        ProjectCase{"HalfUpToEven", View(50), {0, 0, 0, 0}, {7, -7}, 0, {4, -4}},
        ProjectCase{"Zoom200", View(200), {200, 200, 400, 300}, {310, 240}, 5, {330, 220}},
        // The offsets move the origin, not the centre.
        ProjectCase{"Offsets", View(100, 7, -4), {200, 200, 400, 300}, {100, 200}, 8, {115, 188}},
        ProjectCase{"OffsetsZoomed", View(50, 10, 20), {200, 200, 400, 300}, {100, 200}, 8, {214, 241}},
        // Without the 3D view the point stays where it is: no depth, zoom or offsets.
        ProjectCase{"Flat2D", View(50, 7, 9, false), {200, 200, 400, 300}, {100, 200}, 8, {100, 200}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProjectionSetup, BeginRepaintTakesTheViewOnlyIn3D) {
  TView3DSettings v = View(50);
  v.Orthogonal = true;
  v.ZoomText = true;
  Recorded3D on(v);
  EXPECT_TRUE(on.c3d.Is3D());
  EXPECT_TRUE(on.c3d.IsOrthogonal());
  EXPECT_DOUBLE_EQ(on.c3d.ZoomScale(), 0.5);
  EXPECT_TRUE(on.c3d.TextZoom());

  v.View3D = false;
  Recorded3D off(v);
  EXPECT_FALSE(off.c3d.Is3D());
  EXPECT_FALSE(off.c3d.IsOrthogonal());
  EXPECT_DOUBLE_EQ(off.c3d.ZoomScale(), 1.0);
  EXPECT_FALSE(off.c3d.TextZoom());
}

TEST(ProjectionSetup, FlatBeginSuspendsTheDepthUntilFlatEnd) {
  Recorded3D f;
  f.c3d.FlatBegin();
  EXPECT_EQ(f.c3d.Project(100, 200, 8), (TPoint{100, 200}));
  f.c3d.FlatEnd();
  EXPECT_EQ(f.c3d.Project(100, 200, 8), (TPoint{108, 192}));
}

class UnProjectTest : public ::testing::TestWithParam<int> {};

TEST_P(UnProjectTest, InvertsProjectAtTheSameDepth) {
  Recorded3D f(View(GetParam(), 4, -6), {40, 60, 540, 400});
  for (TPoint p : {TPoint{100, 200}, TPoint{40, 400}, TPoint{539, 61}})
    for (int z : {0, 8, 16}) {
      TPoint s = f.c3d.Project(p, z);
      EXPECT_EQ(f.c3d.UnProject(s.X, s.Y, z), p) << p.X << "," << p.Y << " z " << z;
    }
}

INSTANTIATE_TEST_SUITE_P(Zooms, UnProjectTest, ::testing::Values(100, 200, 400));

TEST(UnProject, LeavesThePointWhenFlatOrZoomZero) {
  Recorded3D flat(View(100, 5, 5, false));
  EXPECT_EQ(flat.c3d.UnProject(10, 20, 8), (TPoint{10, 20}));
  Recorded3D zero(View(0));
  EXPECT_EQ(zero.c3d.UnProject(10, 20, 8), (TPoint{10, 20}));
}

}  // namespace
