// The pixels written straight into the image must be the painter's, pixel for pixel: random
// polygons of the shapes the chart draws (and harder ones) and random rectangles and points,
// each written by ImagePixels and drawn by QPainter on a second image under the same clip.
#include <gtest/gtest.h>

#include <QPainter>
#include <QPolygon>
#include <QRandomGenerator>
#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "chart/raster/ImagePixels.h"

namespace {

constexpr int kWidth = 80, kHeight = 60;
constexpr QRgb kPaper = 0xffffffff, kInk = 0xff204080;
constexpr int kLimit = PolygonSpans::kCoordinateLimit;

using Points = std::vector<QPoint>;
using MakePolygon = std::function<Points(QRandomGenerator&)>;

int Between(QRandomGenerator& r, int low, int high) { return low + int(r.bounded(quint32(high - low + 1))); }
QPoint Near(QRandomGenerator& r, int margin) {
  return {Between(r, -margin, kWidth + margin), Between(r, -margin, kHeight + margin)};
}

// --- the clips: set on the painter, handed to the writer as the chart canvas does ---

struct ClipCase {
  const char* name;
  std::function<void(QPainter&)> apply;
};

const ClipCase kClips[] = {
    {"NoClip", [](QPainter&) {}},
    {"Rect", [](QPainter& p) { p.setClipRect(QRect(9, 7, 53, 41)); }},
    {"RectOverTheEdge", [](QPainter& p) { p.setClipRect(QRect(-20, 30, 70, 100)); }},
    {"TwoRects", [](QPainter& p) { p.setClipRegion(QRegion(5, 5, 30, 20) + QRegion(40, 12, 25, 40)); }},
    {"PolygonRegion",
     [](QPainter& p) {
       const QPolygon shape({QPoint(3, 50), QPoint(40, 2), QPoint(77, 40), QPoint(20, 58), QPoint(60, 10)});
       p.setClipRegion(QRegion(shape, Qt::OddEvenFill));
     }},
    // A 3D box's clip: a front and a back face joined by slanted edges, bands of one row there.
    {"BoxRegion",
     [](QPainter& p) {
       const QPolygon shape({QPoint(4, 58), QPoint(4, 14), QPoint(14, 4), QPoint(76, 4), QPoint(76, 48), QPoint(66, 58)});
       p.setClipRegion(QRegion(shape, Qt::OddEvenFill));
     }},
    {"RectThenRect",
     [](QPainter& p) {
       p.setClipRect(QRect(0, 10, 60, 40));
       p.setClipRect(QRect(20, 0, 50, 45), Qt::IntersectClip);
     }},
};

QImage Paper() {
  QImage img(kWidth, kHeight, QImage::Format_RGB32);
  img.fill(kPaper);
  return img;
}

// Draws with the painter on one image and writes directly on another, both under the clip.
struct Pair {
  QImage painted = Paper(), written = Paper();
  void Paint(const ClipCase& clip, const std::function<void(QPainter&)>& draw) {
    QPainter p(&painted);
    p.setRenderHint(QPainter::Antialiasing, false);
    clip.apply(p);
    draw(p);
  }
  void Write(const ClipCase& clip, const std::function<void(ImagePixels&)>& write) {
    QPainter p(&written);  // only for the clip region, as the canvas has it
    clip.apply(p);
    std::unique_ptr<ImagePixels> pixels = ImagePixels::For(&written);
    pixels->SetClip(p.hasClipping(), p.clipRegion());
    write(*pixels);
  }
  // The first pixel that differs, or an empty string.
  std::string Difference() const {
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x)
        if (painted.pixel(x, y) != written.pixel(x, y))
          return "pixel (" + std::to_string(x) + "," + std::to_string(y) + ") painter " +
                 (painted.pixel(x, y) == kInk ? "ink" : "paper");
    return {};
  }
};

std::string Describe(const Points& points) {
  std::string s;
  for (const QPoint& q : points) s += "(" + std::to_string(q.x()) + "," + std::to_string(q.y()) + ")";
  return s;
}

// --- polygons ---

// A vertical or horizontal edge swept by a depth offset, as the chart's side and top faces.
Points DepthFace(QRandomGenerator& r, bool vertical) {
  const QPoint a = Near(r, 10);
  const int length = Between(r, 0, 70), dx = Between(r, -12, 12), dy = Between(r, -12, 12);
  const QPoint b = vertical ? a + QPoint(0, length) : a + QPoint(length, 0);
  return {a, b, b + QPoint(dx, dy), a + QPoint(dx, dy)};
}

struct ShapeCase {
  const char* name;
  MakePolygon make;
};

const ShapeCase kShapes[] = {
    {"SideFace", [](QRandomGenerator& r) { return DepthFace(r, true); }},
    {"TopFace", [](QRandomGenerator& r) { return DepthFace(r, false); }},
    {"Triangle", [](QRandomGenerator& r) { return Points{Near(r, 15), Near(r, 15), Near(r, 15)}; }},
    // Convex, concave and self-crossing alike.
    {"Quadrilateral", [](QRandomGenerator& r) { return Points{Near(r, 15), Near(r, 15), Near(r, 15), Near(r, 15)}; }},
    // A ribbon piece: two points on a line and the same two moved by the depth offset.
    {"RibbonPiece",
     [](QRandomGenerator& r) {
       const QPoint a = Near(r, 5), b = Near(r, 5), d(Between(r, -10, 10), Between(r, -10, 10));
       return Points{a, b, b + d, a + d};
     }},
    // One pixel wide along a slope of any steepness.
    {"Sliver",
     [](QRandomGenerator& r) {
       const QPoint a = Near(r, 5), b = Near(r, 5);
       const QPoint w = r.bounded(2) ? QPoint(1, 0) : QPoint(0, 1);
       return Points{a, b, b + w, a + w};
     }},
    {"Rectangle",
     [](QRandomGenerator& r) {
       const QPoint a = Near(r, 10), b = Near(r, 10);
       return Points{a, {b.x(), a.y()}, b, {a.x(), b.y()}};
     }},
    // Corners anywhere in the handled range, one of them close to the image.
    {"FarCorners",
     [](QRandomGenerator& r) {
       Points p{Near(r, 20)};
       const int n = Between(r, 2, 4);
       for (int i = 0; i < n; ++i) p.emplace_back(Between(r, -kLimit, kLimit), Between(r, -kLimit, kLimit));
       return p;
     }},
    // Edges hundreds of rows long, where the fixed-point steps add up.
    {"LongEdges",
     [](QRandomGenerator& r) {
       Points p{Near(r, 20)};
       for (int i = 0; i < 3; ++i) p.emplace_back(Between(r, -1000, 1000), Between(r, -1000, 1000));
       return p;
     }},
    // Long, nearly flat edges: slopes of thousands of columns per row.
    {"FlatEdges",
     [](QRandomGenerator& r) {
       const int y = Between(r, -5, kHeight + 5);
       return Points{{-Between(r, 1000, kLimit), y},
                     {Between(r, 1000, kLimit), y + Between(r, 1, 3)},
                     Near(r, 10)};
     }},
    // Repeated corners and no area.
    {"Degenerate",
     [](QRandomGenerator& r) {
       const QPoint a = Near(r, 5), b = Near(r, 5);
       switch (r.bounded(4)) {
         case 0: return Points{a, a, b, b};
         case 1: return Points{a, b, a};
         case 2: return Points{a, a, a};
         default: return Points{a, b, Near(r, 5), b};
       }
     }},
    {"ManyCorners",
     [](QRandomGenerator& r) {
       Points p;
       const int n = Between(r, 5, 9);
       for (int i = 0; i < n; ++i) p.push_back(Near(r, 15));
       return p;
     }},
};

// The cases of the tables print as their names, and each pair of them seeds its own numbers.
template <class Case>
void PrintTo(const Case& c, std::ostream* os) requires requires { c.name; } { *os << c.name; }
template <class Param>
std::string PairName(const ::testing::TestParamInfo<Param>& info) {
  return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
}
QRandomGenerator Seeded(const char* a, const char* b) {
  return QRandomGenerator(uint(std::hash<std::string>()(std::string(a) + b)));
}

void PaintPolygon(QPainter& p, const Points& points) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor::fromRgb(kInk));
  p.drawPolygon(points.data(), int(points.size()), Qt::OddEvenFill);
}

class PolygonFillTest : public ::testing::TestWithParam<std::tuple<ShapeCase, ClipCase>> {};

TEST_P(PolygonFillTest, SamePixelsAsThePainterInBothTurningOrders) {
  const auto& [shape, clip] = GetParam();
  QRandomGenerator random = Seeded(shape.name, clip.name);
  for (int i = 0; i < 400; ++i) {
    Points points = shape.make(random);
    for (int order = 0; order < 2; ++order) {
      Pair pair;
      pair.Paint(clip, [&](QPainter& p) { PaintPolygon(p, points); });
      pair.Write(clip, [&](ImagePixels& w) { ASSERT_TRUE(w.FillPolygon(points, kInk)); });
      ASSERT_EQ(pair.Difference(), "") << Describe(points);
      std::reverse(points.begin(), points.end());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Shapes, PolygonFillTest,
                         ::testing::Combine(::testing::ValuesIn(kShapes), ::testing::ValuesIn(kClips)), PairName<PolygonFillTest::ParamType>);

// The pairs ForEachSpan hands over, row by row and in blocks of rows, are the pairs Row finds
// for each row by itself (a pair with nothing between its ends left out).
class PolygonSpansTest : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(PolygonSpansTest, StepsGiveTheRowsOwnPairs) {
  QRandomGenerator random = Seeded(GetParam().name, "Spans");
  PolygonSpans spans;
  for (int i = 0; i < 3000; ++i) {
    const Points points = GetParam().make(random);
    ASSERT_TRUE(spans.Set(points));
    const int from = std::max(spans.Top(), -100), to = std::min(spans.Bottom(), kHeight + 100);
    if (from > to) continue;  // no rows, as when every edge is horizontal
    std::vector<std::vector<int>> stepped(size_t(to - from + 1));
    spans.ForEachSpan(
        from, to, [&](int y, int left, int right) { stepped[size_t(y - from)].insert(stepped[size_t(y - from)].end(), {left, right}); },
        [&](int top, int bottom, int left, int right) {
          for (int y = top; y <= bottom; ++y) stepped[size_t(y - from)].insert(stepped[size_t(y - from)].end(), {left, right});
        });
    for (int y = from; y <= to; ++y) {
      std::vector<int> own;
      const std::span<const int> row = spans.Row(y);
      for (size_t k = 0; k + 1 < row.size(); k += 2)
        if (row[k] < row[k + 1]) own.insert(own.end(), {row[k], row[k + 1]});
      ASSERT_EQ(stepped[size_t(y - from)], own) << "row " << y << " of " << Describe(points);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Shapes, PolygonSpansTest, ::testing::ValuesIn(kShapes),
                         [](const auto& info) { return std::string(info.param.name); });

// Ties: crossings exactly on a pixel centre, where the slope is exact (45 degrees, halves) and
// where it is not (thirds, sevenths), from each side and each direction.
TEST(PolygonFill, CentreOnTheEdgeGoesTheSameWayAsThePainter) {
  for (int dx : {-7, -3, -2, -1, 1, 2, 3, 7}) {
    for (int dy : {1, 2, 3, 6, 7, 14}) {
      for (const Points& points : {Points{{40, 10}, {40 + dx, 10 + dy}, {40 + dx, 40 + dy}, {40, 40}},
                                   Points{{20, 10}, {20 + 5 * dx, 10 + 5 * dy}, {60, 50}},
                                   Points{{40, 5}, {40 + 3 * dx, 5 + 3 * dy}, {40 - 2 * dx, 5 + 5 * dy}}}) {
        Pair pair;
        pair.Paint(kClips[0], [&](QPainter& p) { PaintPolygon(p, points); });
        pair.Write(kClips[0], [&](ImagePixels& w) { w.FillPolygon(points, kInk); });
        EXPECT_EQ(pair.Difference(), "") << Describe(points);
      }
    }
  }
}

TEST(PolygonFill, CornersBeyondTheLimitAreLeftToThePainter) {
  struct Case {
    Points points;
    bool handled;
  };
  const Case cases[] = {
      {{{-kLimit, -kLimit}, {kLimit, -kLimit}, {kLimit, kLimit}}, true},
      {{{10, 10}, {kLimit + 1, 20}, {10, 30}}, false},
      {{{10, 10}, {20, 20}, {10, -kLimit - 1}}, false},
      {{{-40000, 10}, {20, 20}, {10, 30}}, false},
  };
  for (const Case& c : cases) {
    QImage img = Paper();
    std::unique_ptr<ImagePixels> w = ImagePixels::For(&img);
    EXPECT_EQ(w->FillPolygon(c.points, kInk), c.handled) << Describe(c.points);
    if (!c.handled) {
      EXPECT_EQ(img, Paper()) << Describe(c.points);
    }
  }
}

// --- rectangles and single pixels ---

struct RectCase {
  const char* name;
  std::function<QRect(QRandomGenerator&)> make;
};

const RectCase kRects[] = {
    {"Any", [](QRandomGenerator& r) { return QRect(Near(r, 10), Near(r, 10)).normalized(); }},
    {"Column", [](QRandomGenerator& r) { return QRect(Near(r, 3), QSize(1, Between(r, 1, 80))); }},
    {"Row", [](QRandomGenerator& r) { return QRect(Near(r, 3), QSize(Between(r, 1, 100), 1)); }},
    {"Short", [](QRandomGenerator& r) { return QRect(Near(r, 3), QSize(Between(r, 1, 12), Between(r, 1, 12))); }},
    {"Huge", [](QRandomGenerator& r) { return QRect(QPoint(-Between(r, 0, 9000), -Between(r, 0, 9000)), QPoint(Between(r, 0, 9000), Between(r, 0, 9000))); }},
};

// Dotted rows and columns (every other pixel) and diagonals (every pixel), from anywhere near the
// image: some wholly inside, some reaching out of it or out of the clip at either end.
std::vector<ImagePixels::Dots> RandomDots(QRandomGenerator& r) {
  std::vector<ImagePixels::Dots> dots;
  for (int k = 0; k < 8; ++k) {
    const int sign = Between(r, 0, 1) == 0 ? -2 : 2;
    const QPoint steps[] = {QPoint(sign, 0), QPoint(0, sign), QPoint(sign / 2, Between(r, 0, 1) == 0 ? -1 : 1)};
    dots.push_back({Near(r, 6), steps[Between(r, 0, 2)], Between(r, 0, 45)});
  }
  return dots;
}

Points DotPixels(const std::vector<ImagePixels::Dots>& dots) {
  Points pixels;
  for (const ImagePixels::Dots& d : dots)
    for (int k = 0; k < d.Count; ++k) pixels.push_back(d.First + d.Step * k);
  return pixels;
}

class RectFillTest : public ::testing::TestWithParam<std::tuple<RectCase, ClipCase>> {};

TEST_P(RectFillTest, SamePixelsAsThePainter) {
  const auto& [kind, clip] = GetParam();
  QRandomGenerator random = Seeded(kind.name, clip.name);
  for (int i = 0; i < 60; ++i) {
    std::vector<QRect> rects;
    std::vector<QPoint> points;
    for (int k = 0; k < 6; ++k) rects.push_back(kind.make(random));
    for (int k = 0; k < 30; ++k) points.push_back(Near(random, 4));
    const std::vector<ImagePixels::Dots> dots = RandomDots(random);
    Pair pair;
    pair.Paint(clip, [&](QPainter& p) {
      p.setPen(Qt::NoPen);
      p.setBrush(QColor::fromRgb(kInk));
      p.drawRects(rects.data(), int(rects.size()));
      QPen pen(QColor::fromRgb(0xff00ff00), 1);
      pen.setCosmetic(true);
      p.setPen(pen);
      p.drawPoints(points.data(), int(points.size()));
      const Points dotted = DotPixels(dots);
      p.drawPoints(dotted.data(), int(dotted.size()));
    });
    pair.Write(clip, [&](ImagePixels& w) {
      w.FillRects(rects, kInk);
      w.SetPixels(points, 0xff00ff00);
      w.SetDots(dots, 0xff00ff00);
    });
    ASSERT_EQ(pair.Difference(), "") << "first rectangle " << rects[0].x() << "," << rects[0].y() << " "
                                     << rects[0].width() << "x" << rects[0].height();
  }
}

INSTANTIATE_TEST_SUITE_P(Rects, RectFillTest,
                         ::testing::Combine(::testing::ValuesIn(kRects), ::testing::ValuesIn(kClips)), PairName<RectFillTest::ParamType>);

// --- covered pixels and skipped rows ---

// One of each kind of write at random: a polygon of the chart's shapes, rectangles, single
// pixels and dots, all in ink.
struct MixedWrites {
  Points polygon;
  std::vector<QRect> rects;
  std::vector<QPoint> points;
  std::vector<ImagePixels::Dots> dots;

  explicit MixedWrites(QRandomGenerator& random)
      : polygon(kShapes[size_t(Between(random, 0, int(std::size(kShapes)) - 1))].make(random)) {
    for (int k = 0; k < 4; ++k) rects.push_back(QRect(Near(random, 5), Near(random, 5)).normalized());
    for (int k = 0; k < 30; ++k) points.push_back(Near(random, 3));
    dots = RandomDots(random);
  }
  void Paint(QPainter& p) const {
    PaintPolygon(p, polygon);
    p.setBrush(QColor::fromRgb(kInk));
    p.drawRects(rects.data(), int(rects.size()));
    QPen pen(QColor::fromRgb(kInk), 1);
    pen.setCosmetic(true);
    p.setPen(pen);
    p.drawPoints(points.data(), int(points.size()));
    const Points dotted = DotPixels(dots);
    p.drawPoints(dotted.data(), int(dotted.size()));
  }
  void Write(ImagePixels& w) const {
    ASSERT_TRUE(w.FillPolygon(polygon, kInk));
    w.FillRects(rects, kInk);
    w.SetPixels(points, kInk);
    w.SetDots(dots, kInk);
  }
};

// The pixels of count rectangles from anywhere near the image, covered.
CoverageMask RandomMask(QRandomGenerator& random, int count) {
  CoverageMask mask;
  mask.Reset(kWidth, kHeight);
  for (int k = 0; k < count; ++k) {
    const QPoint a = Near(random, 10), b = Near(random, 10);
    mask.Cover({std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()), std::max(a.y(), b.y())});
  }
  return mask;
}

// With covered pixels set, every write leaves them as they were and sets the others as without;
// a rectangle counts as covered when all of its pixels in the image are.
class CoveredWriteTest : public ::testing::TestWithParam<ClipCase> {};

TEST_P(CoveredWriteTest, LeavesOutTheCoveredPixelsOnly) {
  QRandomGenerator random = Seeded(GetParam().name, "Covered");
  for (int round = 0; round < 150; ++round) {
    const CoverageMask mask = RandomMask(random, Between(random, 0, 12));
    CoveredPixels covered;
    ASSERT_TRUE(covered.Set(mask));
    const MixedWrites writes(random);

    Pair pair;
    pair.Paint(GetParam(), [&](QPainter& p) { writes.Paint(p); });
    pair.Write(GetParam(), [&](ImagePixels& w) {
      w.SetCovered(&covered);
      writes.Write(w);
      for (int q = 0; q < 20; ++q) {
        const QRect r = QRect(Near(random, 5), Near(random, 5)).normalized();
        bool all = true;
        for (int y = std::max(r.top(), 0); y <= std::min(r.bottom(), kHeight - 1); ++y)
          for (int x = std::max(r.left(), 0); x <= std::min(r.right(), kWidth - 1); ++x)
            all = all && mask.Covers({x, y, x + 1, y + 1});
        ASSERT_EQ(w.Covered(r), all) << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
      }
    });
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) {
        const QRgb want = mask.Covers({x, y, x + 1, y + 1}) ? kPaper : pair.painted.pixel(x, y);
        ASSERT_EQ(pair.written.pixel(x, y), want) << "pixel (" << x << "," << y << ") of " << Describe(writes.polygon);
      }
  }
}

INSTANTIATE_TEST_SUITE_P(Clips, CoveredWriteTest, ::testing::ValuesIn(kClips),
                         [](const auto& info) { return std::string(info.param.name); });

// Rows left out, whole or from a column on, stay as they were under every kind of write, and
// the rest is written as without them.
TEST(DirectPixels, SkippedRowsAreLeftOutOfEveryWrite) {
  QRandomGenerator random = Seeded("Skipped", "Rows");
  for (int round = 0; round < 200; ++round) {
    const int top = Between(random, -5, kHeight), bottom = top + Between(random, -1, 20);
    const bool whole = round % 2 == 0;
    const int left = whole ? INT_MIN : Between(random, -5, kWidth + 5);
    const MixedWrites writes(random);
    Pair pair;
    pair.Paint(kClips[0], [&](QPainter& p) { writes.Paint(p); });
    pair.Write(kClips[0], [&](ImagePixels& w) {
      if (whole)
        w.SetSkippedRows(top, bottom);
      else
        w.SetSkipped(top, bottom, left);
      writes.Write(w);
    });
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) {
        const QRgb want = y >= top && y <= bottom && x >= left ? kPaper : pair.painted.pixel(x, y);
        ASSERT_EQ(pair.written.pixel(x, y), want)
            << "pixel (" << x << "," << y << "), rows " << top << ".." << bottom << " from column " << left;
      }
  }
}

// --- repeated rows ---

// Writes that set the same columns of every row from..to, in three colours painted over each
// other: rectangles and upright faces reaching over those rows, and pixels down a column; the
// rest lies above or below them.
struct AlikeRows {
  struct Step {
    Points polygon;
    QRect rect;
    Points pixels;
    QRgb colour;
  };
  int from, to;
  std::vector<Step> steps;

  explicit AlikeRows(QRandomGenerator& r) : from(Between(r, -5, kHeight)), to(from + Between(r, 1, 40)) {
    constexpr QRgb colours[] = {kInk, 0xff00ff00, 0xffc00000};
    for (int k = 0; k < 8; ++k) {
      Step s{{}, {}, {}, colours[Between(r, 0, 2)]};
      const int x = Between(r, -5, kWidth + 5);
      switch (Between(r, 0, 3)) {
        case 0: s.rect = QRect(QPoint(x, from - Between(r, 0, 15)), QPoint(x + Between(r, 0, 12), to + Between(r, 0, 15))); break;
        case 1: {  // its slanted edges above and below the rows
          const int dx = Between(r, -12, 12), dy = Between(r, -12, 12);
          const int top = from - 1 - std::max(dy, 0) - Between(r, 0, 8);
          const int bottom = to + 2 - std::min(dy, 0) + Between(r, 0, 8);
          s.polygon = {{x, top}, {x, bottom}, {x + dx, bottom + dy}, {x + dx, top + dy}};
          break;
        }
        case 2:
          for (int y = from - 3; y <= to + 3; ++y) s.pixels.push_back({x, y});
          break;
        default: {
          const int h = Between(r, 0, 20);
          const int top = Between(r, 0, 1) == 0 ? from - 1 - h : to + 1;
          s.rect = QRect(x, top, Between(r, 1, 30), h + 1);
        }
      }
      steps.push_back(s);
    }
  }
  void Paint(QPainter& p) const {
    for (const Step& s : steps) {
      p.setPen(Qt::NoPen);
      p.setBrush(QColor::fromRgb(s.colour));
      if (!s.polygon.empty()) p.drawPolygon(s.polygon.data(), int(s.polygon.size()), Qt::OddEvenFill);
      if (!s.rect.isNull()) p.drawRect(s.rect);
      QPen pen(QColor::fromRgb(s.colour), 1);
      pen.setCosmetic(true);
      p.setPen(pen);
      p.drawPoints(s.pixels.data(), int(s.pixels.size()));
    }
  }
  void Write(ImagePixels& w) const {
    for (const Step& s : steps) {
      if (!s.polygon.empty()) {
        ASSERT_TRUE(w.FillPolygon(s.polygon, s.colour));
      }
      if (!s.rect.isNull()) w.FillRect(s.rect, s.colour);
      w.SetPixels(s.pixels, s.colour);
    }
  }
};

// A background that differs from pixel to pixel, so that a pixel copied that was not written shows.
void Stripe(QImage& img) {
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) img.setPixel(x, y, qRgb(x * 3, y * 4, (x + y) % 2 ? 255 : 128));
}

// Drawing only the first of rows alike and copying it gives the painter's pixels, under every
// clip, and with covered pixels too: those may be left out or set, the others are the painter's.
class RepeatedRowsTest : public ::testing::TestWithParam<ClipCase> {};

TEST_P(RepeatedRowsTest, SamePixelsAsDrawingEveryRow) {
  QRandomGenerator random = Seeded(GetParam().name, "Repeated");
  int repeated = 0;
  for (int round = 0; round < 300; ++round) {
    const bool withCovered = round % 2 == 1;
    const CoverageMask mask = RandomMask(random, withCovered ? 3 : 0);
    CoveredPixels covered;
    ASSERT_TRUE(covered.Set(mask));
    const AlikeRows writes(random);
    Pair pair;
    Stripe(pair.painted);
    Stripe(pair.written);
    const QImage before = pair.written;
    pair.Paint(GetParam(), [&](QPainter& p) { writes.Paint(p); });
    pair.Write(GetParam(), [&](ImagePixels& w) {
      if (withCovered) w.SetCovered(&covered);
      repeated += w.BeginRepeatedRows(writes.from, writes.to, -10, kWidth + 10);
      writes.Write(w);
      w.EndRepeatedRows();
    });
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) {
        const QRgb got = pair.written.pixel(x, y), want = pair.painted.pixel(x, y);
        const bool left = mask.Covers({x, y, x + 1, y + 1}) && got == before.pixel(x, y);
        ASSERT_TRUE(got == want || left) << "pixel (" << x << "," << y << "), rows " << writes.from << ".." << writes.to;
      }
  }
  // The slanted polygon's region has bands of one row, where nothing can repeat; the box's has
  // such bands at its top and bottom, and fewer rounds repeat.
  const std::string clip = GetParam().name;
  if (clip != "PolygonRegion") {
    EXPECT_GT(repeated, clip == "BoxRegion" ? 50 : 100);
  }
}

INSTANTIATE_TEST_SUITE_P(Clips, RepeatedRowsTest, ::testing::ValuesIn(kClips),
                         [](const auto& info) { return std::string(info.param.name); });

// While rows are left out already, nothing repeats, and the rows stay left out.
TEST(DirectPixels, NoRepeatWhileRowsAreLeftOut) {
  QImage img = Paper();
  std::unique_ptr<ImagePixels> w = ImagePixels::For(&img);
  w->SetSkippedRows(10, 20);
  EXPECT_FALSE(w->BeginRepeatedRows(5, 30, 0, kWidth - 1));
  w->FillRect(QRect(0, 0, kWidth, kHeight), kInk);
  w->EndRepeatedRows();
  for (int y = 0; y < kHeight; ++y) EXPECT_EQ(img.pixel(3, y), y >= 10 && y <= 20 ? kPaper : kInk) << y;
}

// A clip that lets nothing through (an empty region, clipping on) writes nothing.
TEST(DirectPixels, EmptyClipWritesNothing) {
  QImage img = Paper();
  std::unique_ptr<ImagePixels> w = ImagePixels::For(&img);
  w->SetClip(true, QRegion());
  w->FillRect(QRect(0, 0, kWidth, kHeight), kInk);
  const QPoint corner(5, 5);
  w->SetPixels({&corner, 1}, kInk);
  const Points triangle{{0, 0}, {kWidth, 0}, {0, kHeight}};
  EXPECT_TRUE(w->FillPolygon(triangle, kInk));
  EXPECT_EQ(img, Paper());
}

}  // namespace
