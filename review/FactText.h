#pragma once
// How the review window words a fact and its recent answers.
#include <QString>

#include "records/ReviewSnapshot.h"

// "＋", "－" or "×", as the problem display shows the operation.
QString OperatorSymbol(Operation op);

// "12 × 7 = 84", with the operator symbols of the problem display.
QString FactText(const Fact& fact);

// A time in seconds with one decimal ("3.4秒").
QString SecondsText(int ms);

// "最近5回のうち誤り2回・中央値3.4秒".
QString RecentText(const FactStats& stats);
