// Which shapes of a pixel column later ones paint over, and the rows of the others they paint over.
#include <gtest/gtest.h>

#include "chart/plan/OverpaintedShapes.h"

namespace {

using Rows = std::pair<int, int>;
constexpr Rows kNone{1, 0};

ColumnShape Piece(int column, int from, int to, int fullFrom, int fullTo) {
  ColumnShape s;
  s.Column = column;
  s.From = from;
  s.To = to;
  s.FullFrom = fullFrom;
  s.FullTo = fullTo;
  return s;
}

struct Case {
  const char* name;
  std::vector<ColumnShape> shapes;  // in drawing order
  std::vector<char> hidden;
  std::vector<Rows> covered;
};

class OverpaintedShapesTest : public ::testing::TestWithParam<Case> {};

TEST_P(OverpaintedShapesTest, FindsHiddenShapesAndCoveredRows) {
  const std::vector<ColumnShape>& shapes = GetParam().shapes;
  const Overpainting found = OverpaintedShapes(shapes.size(), [&](size_t k) { return shapes[k]; });
  EXPECT_EQ(found.Hidden, GetParam().hidden);
  ASSERT_EQ(found.CoveredRows.size(), GetParam().covered.size());
  for (size_t k = 0; k < found.CoveredRows.size(); ++k) {
    const Rows got = found.CoveredRows[k], want = GetParam().covered[k];
    // Every empty stretch is the same answer.
    if (want.first > want.second)
      EXPECT_GT(got.first, got.second) << "shape " << k;
    else
      EXPECT_EQ(got, want) << "shape " << k;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Runs, OverpaintedShapesTest,
    ::testing::Values(
        Case{"LaterPieceCoversTheMiddleRows",
             {Piece(5, 0, 100, 0, 89), Piece(5, 20, 60, 20, 49)},
             {0, 0},
             {{20, 49}, kNone}},
        Case{"HiddenPieceStillCountsForEarlierOnes",
             {Piece(5, 0, 100, 0, 89), Piece(5, 30, 40, 30, 35), Piece(5, 10, 80, 10, 69)},
             {0, 1, 0},
             {{10, 69}, {10, 69}, kNone}},
        Case{"TouchingStretchesJoin",
             {Piece(5, 0, 100, 0, 89), Piece(5, 10, 40, 10, 29), Piece(5, 30, 70, 30, 59)},
             {0, 0, 0},
             {{10, 59}, {30, 59}, kNone}},
        Case{"ApartStretchesKeepTheLonger",
             {Piece(5, 0, 100, 0, 89), Piece(5, 10, 40, 10, 29), Piece(5, 50, 60, 50, 55)},
             {0, 0, 0},
             {{10, 29}, {50, 55}, kNone}},
        Case{"AnotherColumnStartsAfresh",
             {Piece(5, 0, 100, 0, 89), Piece(6, 20, 60, 20, 49)},
             {0, 0},
             {kNone, kNone}},
        Case{"AShapeOfAnotherFormEndsTheRun",
             {Piece(5, 0, 100, 0, 89), ColumnShape{}, Piece(5, 20, 60, 20, 49)},
             {0, 0, 0},
             {kNone, kNone, kNone}},
        Case{"ShapesWithoutFullRowsCoverNone",
             {Piece(5, 0, 100, 1, 0), Piece(5, 20, 60, 1, 0)},
             {0, 0},
             {kNone, kNone}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
