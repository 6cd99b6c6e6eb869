#include "review/FactText.h"

#include "platform/Cp932.h"

QString OperatorSymbol(Operation op) { return DecodeCp932(ProblemOf({op, 0, 0}).Operator); }

QString FactText(const Fact& fact) {
  const Problem p = ProblemOf(fact);
  return QStringLiteral("%1 %2 %3 = %4").arg(p.Left).arg(DecodeCp932(p.Operator)).arg(p.Right).arg(p.Answer);
}

QString SecondsText(int ms) { return QString::number(ms / 1000.0, 'f', 1) + QStringLiteral("秒"); }

QString RecentText(const FactStats& stats) {
  return QStringLiteral("最近%1回のうち誤り%2回・中央値%3").arg(stats.Recent).arg(stats.Missed).arg(SecondsText(stats.MedianMs));
}
