// pikutora-graph [FILE] -o OUT.png: draws the result graph of a history file (HIST.DAT in the
// current directory by default) into a PNG, without a window.
#include <QApplication>
#include <QBuffer>
#include <QFileInfo>
#include <cstdio>
#include <optional>

#include "graph/HistoryChartRenderer.h"
#include "history/DurableFileWriter.h"
#include "platform/Cp932.h"
#include "platform/IntegerText.h"

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

constexpr char kUsage[] = "usage: pikutora-graph [FILE] -o OUT.png\n";
constexpr char kHelp[] =
    "Draws the result graph of a drill history into a PNG of 601 x 449 pixels, the chart as the\n"
    "result graph window shows it when it opens. No window is opened and no display is needed.\n"
    "\n"
    "  FILE          the history file to read; HIST.DAT in the current directory when not given\n"
    "  -o OUT.png    the PNG to write (also -oOUT.png); a file of that name is replaced whole,\n"
    "                and left as it was when anything fails\n"
    "  -h, --help    print this help and exit\n"
    "  --version     print the version and exit\n"
    "\n"
    "Lines of FILE that cannot be read are left out of the chart and reported on stderr.\n"
    "\n"
    "Exit status:\n"
    "  0  the PNG was written\n"
    "  1  FILE is missing or cannot be read, none of its lines can be read, or OUT.png cannot\n"
    "     be written\n"
    "  2  the arguments are wrong\n";

void Print(FILE* stream, const QString& text) {
  std::fputs(("pikutora-graph: " + text + '\n').toLocal8Bit().constData(), stream);
}

int Usage(const QString& problem) {
  Print(stderr, problem);
  std::fputs(kUsage, stderr);
  return kExitUsage;
}

enum class Request { Draw, Help, Version };

struct Arguments {
  Request request = Request::Draw;
  QString input = QStringLiteral("HIST.DAT");
  QString output;
};

// The arguments, or a usage problem. A request for the help or the version ends the reading.
std::optional<Arguments> Parse(const QStringList& args, QString& problem) {
  Arguments parsed;
  bool haveInput = false;
  for (qsizetype i = 1; i < args.size(); ++i) {
    const QString& a = args[i];
    if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
      parsed.request = Request::Help;
      return parsed;
    }
    if (a == QLatin1String("--version")) {
      parsed.request = Request::Version;
      return parsed;
    }
    if (a == QLatin1String("-o")) {
      if (++i == args.size()) {
        problem = QStringLiteral("-o needs a file name");
        return std::nullopt;
      }
      parsed.output = args[i];
    } else if (a.startsWith(QLatin1String("-o"))) {
      parsed.output = a.mid(2);
    } else if (a.startsWith('-') && a != QLatin1String("-")) {
      problem = QStringLiteral("unknown option %1").arg(a);
      return std::nullopt;
    } else if (haveInput) {
      problem = QStringLiteral("more than one history file given");
      return std::nullopt;
    } else {
      parsed.input = a;
      haveInput = true;
    }
  }
  if (parsed.output.isEmpty()) {
    problem = QStringLiteral("no output file given (-o OUT.png)");
    return std::nullopt;
  }
  return parsed;
}

QByteArray EncodePng(const QImage& image) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return png;
}

// Keeps the toolkit's notes about its environment (no runtime directory and the like) off
// stderr, which carries this program's own messages; its critical errors still show.
void ToolkitMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtCriticalMsg || type == QtFatalMsg) Print(stderr, text);
}

}  // namespace

int main(int argc, char** argv) {
  // The chart is drawn off screen; no display is needed or used.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(ToolkitMessage);
  QApplication app(argc, argv);

  QString problem;
  const std::optional<Arguments> args = Parse(app.arguments(), problem);
  if (!args) return Usage(problem);
  if (args->request == Request::Help) {
    std::fputs(kUsage, stdout);
    std::fputs(kHelp, stdout);
    return 0;
  }
  if (args->request == Request::Version) {
    std::fputs("pikutora-graph " PIKUTORA_VERSION "\n", stdout);
    return 0;
  }

  try {
    const RenderedHistory rendered = RenderHistoryFile(args->input);
    if (rendered.Skipped.Count > 0) {
      Print(stderr, QStringLiteral("%1:%2: %3 (%4 of %5 lines not drawn)")
                        .arg(args->input)
                        .arg(rendered.Skipped.FirstLine + 1)
                        .arg(ConvertError(DecodeCp932(rendered.Skipped.FirstField)).Message())
                        .arg(rendered.Skipped.Count)
                        .arg(rendered.Lines));
    }
    ReplaceFileContent(args->output, EncodePng(rendered.Image), QFileInfo(args->output).absoluteFilePath());
  } catch (const AppError& e) {
    Print(stderr, e.Message());
    return kExitFailure;
  }
  return 0;
}
