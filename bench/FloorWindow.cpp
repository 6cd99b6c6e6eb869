// The floor of the start-up benchmark: the least a Qt Widgets program does to show one window.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("floor"));
  window.resize(640, 480);
  window.show();
  return app.exec();
}
