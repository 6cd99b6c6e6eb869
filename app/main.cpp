#include <QApplication>

#include "app/Unit1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  TForm1 form1;
  return app.exec();
}
