#include <QApplication>

#include "app/Unit1.h"
#include "graph/Unit2.h"
#include "history/HistoryList.h"
#include "platform/ErrorBox.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  HistoryList history;
  TForm1 form1(history);  // shows itself before the graph window is created
  TForm2 form2(history);  // hidden; its history list is the one the main window appends to
  form1.Form2 = &form2;
  RunHandler([&] { form2.FormCreate(); });
  return app.exec();
}
