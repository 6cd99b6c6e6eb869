#pragma once
// What must hold for the reading of a history line on any input; shared by the fuzz target and
// the bounded random test.
#include <QByteArrayView>
#include <string>

// An empty string when the line is read consistently, else what is wrong.
std::string CheckDrillResultProperties(QByteArrayView line);
