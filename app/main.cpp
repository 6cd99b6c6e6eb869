#include <QApplication>

#include "app/Unit1.h"
#include "history/HistoryList.h"
#include "platform/ErrorBox.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  HistoryList history;
  TForm1 form1(history);  // shows itself
  RunHandler([&] { history.Load(); });
  return app.exec();
}
