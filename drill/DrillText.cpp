#include "drill/DrillText.h"

#include "platform/Format.h"

QByteArray ProblemTimeText(int32_t elapsed) {
  int32_t minutes = elapsed / 60000;
  int32_t seconds = (elapsed - minutes * 60000) / 1000;
  int32_t millis = elapsed - minutes * 60000 - seconds * 1000;
  return Format("%.2D:%.2D.%.3D", {minutes, seconds, millis});
}

QByteArray StopwatchMinutesText(int32_t elapsed) {
  return Format("%.2D:%.2D.", {elapsed / 60000, (elapsed % 60000) / 1000});
}

QByteArray StopwatchMillisText(int32_t elapsed) { return Format("%.3D", {(elapsed % 60000) % 1000}); }

QByteArray ProblemLine(int number, const Problem& p, std::optional<int> given, const QByteArray& timeText) {
  if (!given) {
    return Format("%3D: %2D %S %2D = %3S  NG(%3D)  %S", {number, p.Left, p.Operator, p.Right, "", p.Answer, timeText});
  }
  if (*given == p.Answer) {
    // Between "OK" and the time: two spaces, an ideographic space, three spaces.
    return Format("%3D: %2D %S %2D = %3D  OK  \x81\x40   %S", {number, p.Left, p.Operator, p.Right, *given, timeText});
  }
  return Format("%3D: %2D %S %2D = %3D  NG(%3D)  %S", {number, p.Left, p.Operator, p.Right, *given, p.Answer, timeText});
}
