// Prints the main window, the result graph window with its chart, and the error box as the
// program shows them: for every widget its class, place and size in the layout's pixels, its
// font's pixel size, the width of its text and whether it is shown; a window's place is told
// from the centre of the desktop on a line of its own; the chart's plot rectangle. The first line
// gives the device pixel ratio. Runs at different text scales print the same lines after the
// first when nothing moved.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include "app/Unit1.h"
#include "graph/Unit2.h"
#include "platform/Cp932.h"
#include "platform/ErrorBox.h"

namespace {

QTextStream out(stdout);

QString TextOf(const QWidget& w) {
  if (const auto* label = qobject_cast<const QLabel*>(&w)) return label->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(&w)) return button->text();
  return {};
}

void Dump(const QWidget& w, const QString& path) {
  const QFontInfo font(w.font());
  out << path << ' ' << w.metaObject()->className();
  if (!w.isWindow()) out << ' ' << w.x() << ',' << w.y();
  out << ' ' << w.width() << 'x' << w.height() << " font " << w.font().pixelSize() << '/' << font.pixelSize()
      << (w.isVisible() ? " shown" : " hidden");
  if (const QString text = TextOf(w); !text.isEmpty()) out << " text " << w.fontMetrics().horizontalAdvance(text);
  if (const auto* view = qobject_cast<const QAbstractItemView*>(&w); view && view->model()->rowCount() > 0) {
    const QRect row = view->visualRect(view->model()->index(0, 0));
    out << " row " << row.width() << 'x' << row.height();
  }
  out << '\n';
  // A window's place is told from the centre of the desktop, which shrinks as the scale grows.
  if (w.isWindow()) {
    const QPoint place = w.geometry().center() - w.screen()->availableGeometry().center();
    out << path << " place " << place.x() << ',' << place.y() << '\n';
  }
  int i = 0;
  for (QObject* child : w.children())
    if (auto* c = qobject_cast<QWidget*>(child); c && !c->isWindow()) Dump(*c, path + u'/' + QString::number(i++));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("HIST.DAT"));
  const QByteArray lines = EncodeCp932(QStringLiteral("所要時間 03:27.418　正答率 95%  2006/02/13 09:10:32\r\n"
                                                      "所要時間 02:41.003　正答率 72%  2006/02/14 19:00:01\r\n"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(lines) != lines.size()) return 2;
  file.close();

  HistoryList history(path);
  TForm1 form1(history);
  TForm2 form2(history);
  form1.Form2 = &form2;
  form2.FormCreate();
  form1.ListBox1->InsertLine(0, history.At(0).toByteArray());
  form2.show();
  QApplication::processEvents();

  out << "scale " << form1.devicePixelRatioF() << '\n';
  Dump(form1, QStringLiteral("Form1"));
  Dump(form2, QStringLiteral("Form2"));
  form2.Chart1->RenderToImage();
  const TRect plot = form2.Chart1->PlotRect();
  out << "Chart1 plot " << plot.Left << ',' << plot.Top << ' ' << plot.Right << ',' << plot.Bottom << '\n';

  // The error box is modal: it is described once it is up, then closed.
  QTimer::singleShot(0, [] {
    QWidget* box = QApplication::activeModalWidget();
    if (box == nullptr) {
      out << "no error box\n";
      return;
    }
    Dump(*box, QStringLiteral("ErrorBox"));
    box->close();
  });
  ShowErrorBox(QStringLiteral("'1a' は整数ではありません"));
  out.flush();
  return 0;
}
