// pikutora-graph run as a program: the PNGs it writes for a set of history files, and its
// failures and its help, which write nothing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <functional>

#include "ResultGraphProbe.h"
#include "graph/Unit2.h"

namespace {

ProgramRun RunGraph(const QStringList& args, const QString& directory) {
  return RunProgram(QStringLiteral(PIKUTORA_GRAPH), args, directory);
}

struct FileCase {
  const char* name;
  std::function<QList<QByteArray>()> lines;
  int unreadable;  // lines the program reports as not drawn
};

QList<QByteArray> Drills(int count, const std::function<QByteArray(int)>& line) {
  QList<QByteArray> lines;
  for (int i = 0; i < count; ++i) lines.push_back(line(i));
  return lines;
}

class HistoryFiles : public testing::TestWithParam<FileCase> {
 protected:
  QTemporaryDir dir;
};

// The program's PNG has the chart's size, a red bar front wherever the window's chart puts
// a bar, the yellow mark box above each bar, and the blue line when two or more drills lie in
// the right scale's range.
TEST_P(HistoryFiles, RenderWithTheWindowsColoursAtTheirPlaces) {
  const FileCase& c = GetParam();
  const QList<QByteArray> lines = c.lines();
  const QString input = dir.filePath(QStringLiteral("hist.dat"));
  WriteFile(input, HistoryText(lines));

  const ProgramRun run = RunGraph({input, QStringLiteral("-o"), QStringLiteral("out.png")}, dir.path());
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(run.err.isEmpty(), c.unreadable == 0) << run.err.toStdString();
  if (c.unreadable > 0) {
    EXPECT_TRUE(run.err.contains(QStringLiteral("(%1 of %2 lines not drawn)").arg(c.unreadable).arg(lines.size())))
        << run.err.toStdString();
  }
  const QImage png(dir.filePath(QStringLiteral("out.png")));
  ASSERT_EQ(png.size(), QSize(601, 449));

  // Where the window's chart puts its parts for the same history.
  HistoryList history(input);
  TForm2 form(history);
  form.FormCreate();
  form.Replot();
  form.Chart1->RenderToImage();
  int inRange = 0;
  for (int i = 0; i < form.Series1->PointCount(); ++i) {
    // Wide bars show their red front (the line may cross a part of it); narrow ones are mostly
    // outline, and the front's column holds no other colour than the bar's.
    const QRect front = BarFrontInside(form, i);
    const int area = front.width() * front.height();
    if (form.Series1->BarPixelWidth >= 4) {
      EXPECT_GT(CountColor(png, front, clRed), area * 3 / 4) << "bar " << i;
    } else {
      EXPECT_GT(CountPixels(png, front.adjusted(-1, 0, 1, 0), [](TColor c) { return GreenOf(c) == 0 && BlueOf(c) == 0; }), area)
          << "bar " << i;
    }
    const QRect mark = MarkBox(form, i);
    // The line, drawn after the bars' marks, may cross a mark.
    if (form.Series1->PointCount() <= 10 && CountColor(png, mark, clBlue) == 0) {
      EXPECT_GT(CountColor(png, mark, form.Series1->Marks().BackColor()), mark.width() * mark.height() / 4) << "mark " << i;
    }
    const double seconds = form.Series2->YValue(i);
    inRange += seconds > 100 && seconds < 300;
  }
  const TRect& plot = form.Chart1->PlotRect();
  const int blue = CountColor(png, QRect(plot.Left, plot.Top - 20, plot.Width() + 20, plot.Height() + 20), clBlue);
  if (inRange >= 2) {
    EXPECT_GT(blue, 10);
  } else if (form.Series2->PointCount() < 2) {
    EXPECT_EQ(blue, 0);
  }
  if (form.Series1->PointCount() == 0) {
    EXPECT_EQ(CountColor(png, png.rect(), clRed), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sets, HistoryFiles,
    testing::Values(
        FileCase{"Empty", [] { return QList<QByteArray>(); }, 0},
        FileCase{"OneLine", [] { return QList<QByteArray>{DrillLine(3, 27, 418, 95)}; }, 0},
        FileCase{"SevenLines",
                 [] { return Drills(7, [](int i) { return DrillLine(2 + i % 3, 10 * i, 5, 40 + 9 * i); }); }, 0},
        FileCase{"ThreeHundredLines",
                 [] { return Drills(300, [](int i) { return DrillLine(2 + i % 3, i % 60, i, 40 + i % 61); }); }, 0},
        FileCase{"ThreeDigitMinutes",
                 [] { return QList<QByteArray>{DrillLine(3, 0, 0, 60), DrillLine(100, 1, 0, 80), DrillLine(4, 0, 0, 70)}; },
                 0},
        FileCase{"GarbageLine",
                 [] {
                   return QList<QByteArray>{DrillLine(2, 30, 0, 50), "\x81\x40garbage\xff", DrillLine(3, 0, 0, 60),
                                            DrillLine(3, 30, 0, 70)};
                 },
                 1}),
    [](const testing::TestParamInfo<FileCase>& info) { return std::string(info.param.name); });

TEST(GraphProgram, ReadsHistDatOfTheCurrentDirectoryByDefault) {
  QTemporaryDir dir;
  WriteFile(dir.filePath(QStringLiteral("HIST.DAT")), HistoryText({DrillLine(3, 27, 418, 95)}));
  const ProgramRun run = RunGraph({QStringLiteral("-o"), QStringLiteral("chart.png")}, dir.path());
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QImage png(dir.filePath(QStringLiteral("chart.png")));
  EXPECT_GT(CountColor(png, png.rect(), clRed), 1000);
}

struct ReportCase {
  const char* name;
  std::function<QStringList(const QTemporaryDir&)> prepare;  // writes files, gives the arguments
  int exitCode;
  QString message;  // part of stderr (of stdout for the exit code 0); %D is the directory
};

class RunsWithoutPng : public testing::TestWithParam<ReportCase> {};

// A failure is reported on stderr, the help and the version are printed on stdout; the output
// file keeps its old content.
TEST_P(RunsWithoutPng, ReportAndWriteNothing) {
  const ReportCase& c = GetParam();
  QTemporaryDir dir;
  WriteFile(dir.filePath(QStringLiteral("out.png")), "old");
  const QStringList args = c.prepare(dir);
  const QStringList before = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
  const ProgramRun run = RunGraph(args, dir.path());
  EXPECT_EQ(run.exitCode, c.exitCode);
  const QString message = QString(c.message).replace(QStringLiteral("%D"), dir.path());
  if (c.exitCode == 0) {
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(message)) << run.out.toStdString();
  } else {
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("pikutora-graph: "))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(message)) << run.err.toStdString();
  }
  QFile out(dir.filePath(QStringLiteral("out.png")));
  ASSERT_TRUE(out.open(QIODevice::ReadOnly));
  EXPECT_EQ(out.readAll(), "old");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), before);
}

const QStringList kToOut{QStringLiteral("-o"), QStringLiteral("out.png")};

INSTANTIATE_TEST_SUITE_P(
    Cases, RunsWithoutPng,
    testing::Values(
        ReportCase{"MissingFile", [](const QTemporaryDir&) { return QStringList{"none.dat"} + kToOut; }, 1,
                    QStringLiteral("ファイル \"%D/none.dat\". No such file or directory は開けません")},
        ReportCase{"NoHistDatHere", [](const QTemporaryDir&) { return kToOut; }, 1,
                    QStringLiteral("ファイル \"%D/HIST.DAT\". No such file or directory は開けません")},
        ReportCase{"Directory",
                    [](const QTemporaryDir& d) {
                      QDir(d.path()).mkdir("sub");
                      return QStringList{"sub"} + kToOut;
                    },
                    1, QStringLiteral("ファイル \"%D/sub\". Is a directory は開けません")},
        ReportCase{"NoLineReadable",
                    [](const QTemporaryDir& d) {
                      WriteFile(d.filePath("x.dat"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
                      return QStringList{"x.dat"} + kToOut;
                    },
                    1, QStringLiteral("ファイル \"%D/x.dat\" には読める履歴の行がありません")},
        ReportCase{"OutputDirectoryMissing",
                    [](const QTemporaryDir& d) {
                      WriteFile(d.filePath("x.dat"), HistoryText({DrillLine(3, 27, 418, 95)}));
                      return QStringList{"x.dat", "-o", "no/such/dir/out.png"};
                    },
                    1, QStringLiteral("ファイル \"%D/no/such/dir/out.png\". ")},
        ReportCase{"NoOutputGiven", [](const QTemporaryDir&) { return QStringList{"x.dat"}; }, 2,
                    QStringLiteral("no output file given")},
        ReportCase{"UnknownOption", [](const QTemporaryDir&) { return QStringList{"--size=3"} + kToOut; }, 2,
                    QStringLiteral("unknown option --size=3")},
        ReportCase{"Help", [](const QTemporaryDir&) { return QStringList{"--help"}; }, 0,
                    QStringLiteral("usage: pikutora-graph [FILE] -o OUT.png\n")},
        ReportCase{"ShortHelpAmongOtherArguments",
                    [](const QTemporaryDir&) { return QStringList{"x.dat", "-h"} + kToOut; }, 0,
                    QStringLiteral("HIST.DAT in the current directory when not given")},
        ReportCase{"Version", [](const QTemporaryDir&) { return QStringList{"--version"} + kToOut; }, 0,
                    QStringLiteral("pikutora-graph " PIKUTORA_VERSION "\n")}),
    [](const testing::TestParamInfo<ReportCase>& info) { return std::string(info.param.name); });

}  // namespace
