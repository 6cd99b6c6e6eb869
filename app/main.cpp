#include <QApplication>

#include "app/Unit1.h"
#include "graph/Unit2.h"
#include "history/HistoryList.h"
#include "platform/ErrorBox.h"
#include "records/AnswerRecords.h"
#include "records/RecordsFile.h"

int main(int argc, char** argv) {
  // Frames go to the X server through the socket rather than shared memory: a shared-memory frame
  // makes the next paint of the same pixels wait for the server's reply, which the stopwatch's
  // 10 ms ticks would pay on every tick. A user's own setting of the variable is kept.
  if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
  QApplication app(argc, argv);
  HistoryList history;
  // Every finished drill's answers, beside HIST.DAT; it outlives the windows, so that a drill
  // finished just before the end is still recorded.
  AnswerRecords records(RecordsPathBeside(history.Path()));
  TForm1 form1(history);  // shows itself before the graph window is created
  TForm2 form2(history);  // hidden; its history list is the one the main window appends to
  form1.Form2 = &form2;
  form1.Records = &records;
  form2.OnReview = [&] { form1.Form2ReviewClick(); };
  // The history is read once the window's first frame is on screen, and before any drill.
  form1.RunOnceDrawn([&] { RunHandler([&] { form2.FormCreate(); }); });
  return app.exec();
}
