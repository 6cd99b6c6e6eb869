// pikutora-export [DATABASE] [-o OUT.csv]: writes the answer records (ANSWERS.DB in the current
// directory by default) as CSV to a file, or to the standard output.
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>
#include <optional>

#include "history/DurableFileWriter.h"
#include "history/HistoryFile.h"
#include "platform/AppError.h"
#include "records/RecordsCsv.h"
#include "records/RecordsFile.h"

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
const char kUsage[] =
    "usage: pikutora-export [DATABASE] [-o OUT.csv]\n"
    "Writes the answer records of DATABASE (ANSWERS.DB in the current directory by default) as CSV\n"
    "(UTF-8, header row) to OUT.csv, or to the standard output without -o.\n";

void Print(const QString& text) { std::fputs(("pikutora-export: " + text + '\n').toLocal8Bit().constData(), stderr); }

struct Arguments {
  QString database = RecordsPathBeside(HistoryFilePath());
  QString output;  // empty: the standard output
  bool help = false;
};

// The arguments, or nothing with the problem in words.
std::optional<Arguments> Parse(const QStringList& args, QString& problem) {
  Arguments parsed;
  bool haveDatabase = false;
  for (qsizetype i = 1; i < args.size(); ++i) {
    const QString& a = args[i];
    if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
      parsed.help = true;
    } else if (a == QLatin1String("-o")) {
      if (++i == args.size()) {
        problem = QStringLiteral("-o needs a file name");
        return std::nullopt;
      }
      parsed.output = args[i];
    } else if (a.startsWith(QLatin1String("-o"))) {
      parsed.output = a.mid(2);
    } else if (a.startsWith('-')) {
      problem = QStringLiteral("unknown option %1").arg(a);
      return std::nullopt;
    } else if (haveDatabase) {
      problem = QStringLiteral("more than one database given");
      return std::nullopt;
    } else {
      parsed.database = a;
      haveDatabase = true;
    }
  }
  return parsed;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QString problem;
  const std::optional<Arguments> args = Parse(app.arguments(), problem);
  if (!args) {
    Print(problem);
    std::fputs(kUsage, stderr);
    return kExitUsage;
  }
  if (args->help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  try {
    if (!QFileInfo::exists(args->database)) throw AppError(QStringLiteral("%1: no such file").arg(args->database));
    const QByteArray csv = RecordsCsv(args->database);
    if (args->output.isEmpty() || args->output == QLatin1String("-")) {
      if (std::fwrite(csv.constData(), 1, size_t(csv.size()), stdout) != size_t(csv.size()) || std::fflush(stdout) != 0)
        throw AppError(QStringLiteral("cannot write to the standard output"));
    } else {
      ReplaceFileContent(args->output, csv, QFileInfo(args->output).absoluteFilePath());
    }
  } catch (const AppError& e) {
    Print(e.Message());
    return kExitFailure;
  }
  return 0;
}
