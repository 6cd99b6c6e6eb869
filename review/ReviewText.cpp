#include "review/ReviewText.h"

#include "drill/DrillText.h"
#include "platform/Cp932.h"
#include "platform/Format.h"

QByteArray ReviewEndLine(int facts, int askedAgain, int32_t elapsed) {
  static const QByteArray format = EncodeCp932(QStringLiteral("復習 %D問  やり直し %D回  所要時間 %S"));
  return Format(format, {facts, askedAgain, ProblemTimeText(elapsed)});
}
