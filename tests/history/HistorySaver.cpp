// Child process of the history tests: in the directory given, loads HIST.DAT and then finishes
// drills, appending and saving one line each, as the program does. Lines are "<tag> <number>".
// A count of 0 saves until the process is killed. "ready" on standard output says the load is
// done and the saves begin. Every error's message goes to standard error
// and the process goes on, as the program would; the exit status is 1 when there was any.
#include <unistd.h>

#include <QByteArray>
#include <cstdio>
#include <cstdlib>

#include "history/FileErrors.h"
#include "history/HistoryList.h"

int main(int argc, char** argv) {
  if (argc != 4 || ::chdir(argv[1]) != 0) {
    std::fprintf(stderr, "usage: history_saver DIRECTORY TAG COUNT\n");
    return 64;
  }
  const QByteArray tag(argv[2]);
  const long count = std::strtol(argv[3], nullptr, 10);
  int status = 0;
  HistoryList list;
  try {
    list.Load();
  } catch (const AppError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    status = 1;
  }
  std::fputs("ready\n", stdout);
  std::fflush(stdout);
  for (long i = 0; count == 0 || i < count; ++i) {
    try {
      list.AppendAndSave(tag + ' ' + QByteArray::number(static_cast<qlonglong>(i)));
    } catch (const AppError& e) {
      std::fprintf(stderr, "%s\n", e.what());
      status = 1;
    }
  }
  return status;
}
