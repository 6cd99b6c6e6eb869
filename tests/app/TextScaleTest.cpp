// A larger text scale of the desktop changes nothing of the layout: the windows, their controls,
// the chart and the error box keep every place, size and font pixel size, and draw the same
// image per layout pixel. A desktop on X11 gives its text scale to Qt as the logical DPI in the
// Xft.dpi resource of the X server; QT_FONT_DPI sets the same for one program. Each case runs
// the layout description program on a private X server and compares it with the run at 96 DPI.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include <QPoint>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace {

struct Scale {
  const char* name;
  int xftDpi;   // 0: no Xft.dpi resource
  int fontDpi;  // 0: no QT_FONT_DPI
  double pixelRatio;
};

// The output of one command; empty when it failed.
QString RunCommand(const QString& program, const QStringList& args, const QProcessEnvironment& env) {
  QProcess p;
  p.setProcessEnvironment(env);
  p.start(program, args);
  if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
    ADD_FAILURE() << program.toStdString() << " failed: " << p.readAllStandardError().toStdString();
    return {};
  }
  return QString::fromUtf8(p.readAllStandardOutput());
}

// The offset "x,y" at the end of a window's place line.
QPoint Place(const QString& line) {
  const QStringList xy = line.section(u' ', -1).split(u',');
  return xy.size() == 2 ? QPoint(xy[0].toInt(), xy[1].toInt()) : QPoint(1 << 20, 0);
}

class TextScale : public testing::TestWithParam<Scale> {
 protected:
  // One X server for the suite, large enough for both windows at twice the scale. It keeps
  // its resources when its last client leaves (-noreset) and picks a free display number.
  static void SetUpTestSuite() {
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("xprop")).isEmpty())
      return;
    server_ = new QProcess;
    server_->start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                            QStringLiteral("0"), QStringLiteral("2560x1600x24"),
                                            QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset")});
    while (server_->waitForReadyRead(10000) && !server_->canReadLine()) {
    }
    const QString number = QString::fromLatin1(server_->readLine()).trimmed();
    if (!number.isEmpty()) display_ = u':' + number;
  }

  static void TearDownTestSuite() {
    if (server_ == nullptr) return;
    server_->terminate();
    server_->waitForFinished(5000);
    delete server_;
    server_ = nullptr;
  }

  void SetUp() override {
    if (server_ == nullptr) GTEST_SKIP() << "Xvfb or xprop is not installed";
    ASSERT_FALSE(display_.isEmpty()) << "the private X server did not start";
  }

  static QProcessEnvironment Environment(int fontDpi) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("XAUTHORITY"));
    for (const char* name : {"QT_FONT_DPI", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING"})
      env.remove(QString::fromLatin1(name));
    if (fontDpi != 0) env.insert(QStringLiteral("QT_FONT_DPI"), QString::number(fontDpi));
    return env;
  }

  // The description of the windows with that Xft.dpi on the server and QT_FONT_DPI for the program.
  static QString Snapshot(int xftDpi, int fontDpi) {
    const QProcessEnvironment env = Environment(0);
    const QStringList root{QStringLiteral("-root")};
    if (xftDpi != 0)
      RunCommand(QStringLiteral("xprop"),
          root + QStringList{QStringLiteral("-f"), QStringLiteral("RESOURCE_MANAGER"), QStringLiteral("8s"),
                             QStringLiteral("-set"), QStringLiteral("RESOURCE_MANAGER"),
                             QStringLiteral("Xft.dpi:\t%1\n").arg(xftDpi)},
          env);
    else
      RunCommand(QStringLiteral("xprop"), root + QStringList{QStringLiteral("-remove"), QStringLiteral("RESOURCE_MANAGER")}, env);
    return RunCommand(QStringLiteral(LAYOUT_SNAPSHOT), {}, Environment(fontDpi));
  }

  static const QString& Normal() {
    static const QString normal = Snapshot(0, 0);
    return normal;
  }

  static inline QProcess* server_ = nullptr;
  static inline QString display_;
};

TEST_P(TextScale, KeepsTheLayoutOfTheNormalScale) {
  const QStringList normal = Normal().split(u'\n');
  const QStringList scaled = Snapshot(GetParam().xftDpi, GetParam().fontDpi).split(u'\n');
  ASSERT_GT(normal.size(), 20) << Normal().toStdString();
  ASSERT_GT(scaled.size(), 1);
  EXPECT_EQ(normal.front().toStdString(), "scale 1");
  // The scale did reach the program, as a device pixel ratio.
  EXPECT_EQ(scaled.front(), u"scale "_qs + QString::number(GetParam().pixelRatio)) << scaled.front().toStdString();
  ASSERT_EQ(scaled.size(), normal.size());
  for (qsizetype i = 1; i < normal.size(); ++i) {
    if (normal[i].contains(u" place "_qs)) {
      // A window is centred on a desktop whose size in layout pixels is no longer whole.
      const QPoint a = Place(scaled[i]), b = Place(normal[i]);
      EXPECT_LE(std::max(std::abs(a.x() - b.x()), std::abs(a.y() - b.y())), 1) << scaled[i].toStdString();
    } else {
      EXPECT_EQ(scaled[i].toStdString(), normal[i].toStdString());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(LargerScales, TextScale,
                         testing::Values(Scale{"XftDpi120", 120, 0, 1.25}, Scale{"XftDpi144", 144, 0, 1.5},
                                         Scale{"XftDpi192", 192, 0, 2}, Scale{"QtFontDpi144", 0, 144, 1.5}),
                         [](const testing::TestParamInfo<Scale>& info) { return std::string(info.param.name); });

}  // namespace
