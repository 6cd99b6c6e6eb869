// The whole picture of the result graph, pixel for pixel: the window's chart rendered through the
// Qt canvas into its off-screen bitmap for a handful of histories, each as opened and after the
// mouse or a view setting changed it, with the speed machinery beneath the chart on and off. Both
// must give the picture whose checksum is written below, so a change to the chart's code that
// moves a single pixel, or makes the fast path differ from drawing every shape, fails here.
//
// The sums were recorded on a machine set up by scripts/bootstrap: they depend on the fonts
// installed there (the IPA fonts standing in for the layout's fonts). A failure names the sum the
// picture has now and leaves the picture in the test's build folder for a look.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <memory>

#include "ResultGraphProbe.h"
#include "graph/Unit2.h"

namespace {

// A fixed run of drills: rates 0..100 and times of 1:40 to 5:00 from a small congruential
// generator, so the picture is the same on every machine.
QList<QByteArray> Drills(int count) {
  QList<QByteArray> lines;
  uint32_t state = 20240525u + uint32_t(count);
  const auto next = [&state](uint32_t bound) {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) % bound;
  };
  for (int i = 0; i < count; ++i) {
    const int seconds = 100 + int(next(201));
    lines.append(DrillLine(seconds / 60, seconds % 60, int(next(1000)), int(next(101))));
  }
  return lines;
}

// Twelve drills with lines between them that cannot be read: a rate that is not a number, a line
// of other text, an empty line.
QList<QByteArray> WithUnreadableLines() {
  QList<QByteArray> lines = Drills(12);
  lines.insert(3, DrillLine(3, 27, 418, 95).replace(26, 3, "9X5"));
  lines.insert(6, QByteArray("not a drill"));
  lines.insert(9, QByteArray());
  return lines;
}

QList<QByteArray> HistoryNamed(const std::string& name) {
  if (name == "Empty") return {};
  if (name == "OneDrill") return Drills(1);
  if (name == "SevenDrills") return Drills(7);
  if (name == "HundredDrills") return Drills(100);
  if (name == "TenThousandDrills") return Drills(10000);
  if (name == "UnreadableLines") return WithUnreadableLines();
  ADD_FAILURE() << "no history " << name;
  return {};
}

// What is done to the chart after it was first drawn as the window opens.
void ChangeState(TChart& chart, const std::string& state) {
  if (state == "AsOpened") return;
  if (state == "Zoomed") {  // a left drag down and right: the rectangle fills the plot
    chart.MouseDown(Qt::LeftButton, Qt::NoModifier, 150, 120);
    chart.MouseMove(Qt::NoModifier, 300, 220);
    chart.MouseUp(Qt::LeftButton, Qt::NoModifier, 420, 310);
  } else if (state == "Panned") {  // a right drag left and down
    chart.MouseDown(Qt::RightButton, Qt::NoModifier, 320, 200);
    chart.MouseMove(Qt::NoModifier, 290, 215);
    chart.MouseMove(Qt::NoModifier, 260, 235);
    chart.MouseUp(Qt::RightButton, Qt::NoModifier, 260, 235);
  } else if (state == "WheelScrolled") {  // three steps down, one up
    for (bool down : {true, true, true, false}) chart.WheelStep(down);
  } else if (state == "View2D") {
    chart.SetView3D(false);
  } else if (state == "View3DZoom150") {
    chart.View3DOptions().SetZoom(150);
  } else {
    ADD_FAILURE() << "no state " << state;
  }
}

QString Checksum(const QImage& image) {
  QCryptographicHash hash(QCryptographicHash::Md5);
  for (int y = 0; y < image.height(); ++y)
    hash.addData(QByteArrayView(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4));
  return QString::fromLatin1(hash.result().toHex());
}

struct Picture {
  const char* history;
  const char* state;
  const char* sum;
};

std::ostream& operator<<(std::ostream& out, const Picture& p) { return out << p.history << '/' << p.state; }

class WholePicture : public testing::TestWithParam<Picture> {
 protected:
  // The window's chart over the history, drawn once as it opens, then changed to the state and
  // drawn again, with the speed machinery on or off.
  QImage Render(bool speedMachinery) {
    const Picture& p = GetParam();
    WriteFile(dir_.filePath(QStringLiteral("HIST.DAT")), HistoryText(HistoryNamed(p.history)));
    HistoryList history(dir_.filePath(QStringLiteral("HIST.DAT")));
    TForm2 form(history);
    form.FormCreate();
    form.Replot();
    TChart& chart = *form.Chart1;
    if (!speedMachinery) chart.SetPlanner(nullptr);
    chart.RenderToImage();
    ChangeState(chart, p.state);
    return chart.RenderToImage().convertToFormat(QImage::Format_RGB32);
  }

  void ExpectSum(const QImage& image, const char* machinery) {
    const Picture& p = GetParam();
    const QString sum = Checksum(image);
    EXPECT_EQ(sum.toStdString(), p.sum) << p << " with the speed machinery " << machinery;
    if (sum != QLatin1String(p.sum)) {
      const QString file = QStringLiteral("%1-%2-%3.png").arg(p.history, p.state, machinery);
      image.save(QDir(QStringLiteral(GRAPH_TEST_OUTPUT_DIR)).filePath(file));
    }
  }

 private:
  QTemporaryDir dir_;
};

TEST_P(WholePicture, SamePixelsWithAndWithoutTheSpeedMachinery) {
  const QImage fast = Render(true);
  ASSERT_EQ(fast.size(), QSize(601, 449));
  ExpectSum(fast, "on");
  ExpectSum(Render(false), "off");
}

constexpr Picture kPictures[] = {
    {"Empty", "AsOpened", "b737cc9779d010cea68d0c6e68ff9465"},
    {"Empty", "Zoomed", "c3687d8f7f7e370df6153624cfcde065"},
    {"Empty", "Panned", "94a9071362d2e2ae4f8eb92fd6c8614f"},
    {"Empty", "WheelScrolled", "8a725a6ec41ffee66002a5829ce3a205"},
    {"Empty", "View2D", "5c51d7b4e3c658426410d6d29b8cccb0"},
    {"Empty", "View3DZoom150", "aed54d5238bc03e3b4d762e4e0fe84b6"},
    {"OneDrill", "AsOpened", "de915db64323545277127cc03f11fcd3"},
    {"OneDrill", "Zoomed", "4958eccf6e689c41c3669e56b1171f47"},
    {"OneDrill", "Panned", "33297c368a582e20932eddf365ee4453"},
    {"OneDrill", "WheelScrolled", "2a239cda1fcf07a2ee3ea83b0601cf3d"},
    {"OneDrill", "View2D", "8e883598cbdd57c764bec69b00785a39"},
    {"OneDrill", "View3DZoom150", "9f6eb1e0a22b224fae4188475f15a13c"},
    {"SevenDrills", "AsOpened", "f69f06bf07fb655fc39b1eb36c657ee2"},
    {"SevenDrills", "Zoomed", "86054194408ad9607a3f67828b1ca4d4"},
    {"SevenDrills", "Panned", "e20e9b4318399cd32393e0dc4875a375"},
    {"SevenDrills", "WheelScrolled", "c8b9dfaf9a9a48661275a753f22f0151"},
    {"SevenDrills", "View2D", "2d4a235d6802b277eeb2d14c2ba3dfce"},
    {"SevenDrills", "View3DZoom150", "aa4b807a570456d65ceecf6713e7839f"},
    {"HundredDrills", "AsOpened", "ab5f6432d5c96f9123bb8e64bea46b1d"},
    {"HundredDrills", "Zoomed", "4a4585c2f0d31638a234e72d1d281e36"},
    {"HundredDrills", "Panned", "99509e339a440b72e2faee80348fa40d"},
    {"HundredDrills", "WheelScrolled", "d6cab51de003bd7bb5599df4762a45b0"},
    {"HundredDrills", "View2D", "5d0e418aaea2f2e9078c28a453e7f28d"},
    {"HundredDrills", "View3DZoom150", "45d0a652c8ecf9e906e062038e03aa5a"},
    {"TenThousandDrills", "AsOpened", "8896a157a341afe8b71aac2c8a6cd179"},
    {"TenThousandDrills", "Zoomed", "76e63e91af3e60335c5279f243f4e8f7"},
    {"TenThousandDrills", "Panned", "9510f30f03418ecc7c67f13052a52aaa"},
    {"TenThousandDrills", "WheelScrolled", "8634fc1be10c7f4ca78d8abec172c383"},
    {"TenThousandDrills", "View2D", "a40ffd343640413d5f3ce458009d9bbc"},
    {"TenThousandDrills", "View3DZoom150", "63d89d8435fcd3befc2698ccb301de79"},
    {"UnreadableLines", "AsOpened", "72fb176c34454d669e9a6664384122de"},
    {"UnreadableLines", "Zoomed", "be9f2aded0ca65dd4d16c4c5c0027655"},
    {"UnreadableLines", "Panned", "35d7f46397865df958c47cf80db477cc"},
    {"UnreadableLines", "WheelScrolled", "0e8afe9e8f910bc1c379d9bfe3f1babe"},
    {"UnreadableLines", "View2D", "223d1c119449207d0cc9df2352f37fdb"},
    {"UnreadableLines", "View3DZoom150", "2c9dbec8efb85dc0598fbd53ef9d9368"},
};

INSTANTIATE_TEST_SUITE_P(ResultGraph, WholePicture, testing::ValuesIn(kPictures),
                         [](const testing::TestParamInfo<Picture>& info) {
                           return std::string(info.param.history) + "_" + info.param.state;
                         });

}  // namespace
