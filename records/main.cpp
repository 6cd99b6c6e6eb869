// pikutora-export [DATABASE] [-o OUT.csv]: writes the answer records (ANSWERS.DB in the current
// directory by default) as CSV to a file, or to the standard output.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

#include "history/DurableFileWriter.h"
#include "history/HistoryFile.h"
#include "platform/AppError.h"
#include "records/RecordsCsv.h"
#include "records/RecordsFile.h"

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

void Print(const QString& text) { std::fputs(("pikutora-export: " + text + '\n').toLocal8Bit().constData(), stderr); }

void WriteCsv(const QString& database, const QString& output) {
  if (!QFileInfo::exists(database)) throw AppError(QStringLiteral("%1: no such file").arg(database));
  const QByteArray csv = RecordsCsv(database);
  if (output.isEmpty() || output == QLatin1String("-")) {
    if (std::fwrite(csv.constData(), 1, size_t(csv.size()), stdout) != size_t(csv.size()) || std::fflush(stdout) != 0)
      throw AppError(QStringLiteral("cannot write to the standard output"));
  } else {
    ReplaceFileContent(output, csv, QFileInfo(output).absoluteFilePath());
  }
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Writes the answer records as CSV (UTF-8, a header row, one row per answer), to OUT.csv or to the standard "
      "output."));
  parser.addHelpOption();
  parser.addPositionalArgument(QStringLiteral("DATABASE"), QStringLiteral("the records (default: ANSWERS.DB in the current directory)"),
                               QStringLiteral("[DATABASE]"));
  const QCommandLineOption output(QStringLiteral("o"), QStringLiteral("the CSV file to write"), QStringLiteral("OUT.csv"));
  parser.addOption(output);
  if (!parser.parse(app.arguments()) || parser.positionalArguments().size() > 1) {
    Print(parser.errorText().isEmpty() ? QStringLiteral("more than one database given") : parser.errorText());
    std::fputs("usage: pikutora-export [DATABASE] [-o OUT.csv]  (--help for more)\n", stderr);
    return kExitUsage;
  }
  if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
  try {
    const QStringList positional = parser.positionalArguments();
    WriteCsv(positional.isEmpty() ? RecordsPathBeside(HistoryFilePath()) : positional[0], parser.value(output));
  } catch (const AppError& e) {
    Print(e.Message());
    return kExitFailure;
  }
  return 0;
}
