#include "history/SummaryLine.h"

#include "platform/Format.h"

namespace {

// "所要時間 %S%S　正答率%3.0F%%  %S" in code page 932.
const QByteArray kSummaryFormat =
    "\x8f\x8a\x97\x76\x8e\x9e\x8a\xd4 %S%S\x81\x40\x90\xb3\x93\x9a\x97\xa6%3.0F%%  %S";

// A drill has this many problems; the rate is the share of correct answers in percent.
constexpr double kProblemCount = 100.0;

}  // namespace

QByteArray FormatSummaryDateTime(const QDateTime& local, DateTimeSeparators separators) {
  const QDate date = local.date();
  const QTime time = local.time();
  const QByteArray d(1, separators.Date);
  const QByteArray t(1, separators.Time);
  return Format("%.4D%S%.2D%S%.2D %.2D%S%.2D%S%.2D",
                {date.year(), d, date.month(), d, date.day(), time.hour(), t, time.minute(), t,
                 time.second()});
}

QByteArray BuildSummaryLine(const QByteArray& label1, const QByteArray& label6, int correctCount,
                            const QDateTime& local, DateTimeSeparators separators) {
  const double rate = correctCount / kProblemCount * 100.0;
  return Format(kSummaryFormat, {label1, label6, rate, FormatSummaryDateTime(local, separators)});
}
