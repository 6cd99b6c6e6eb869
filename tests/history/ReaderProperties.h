#pragma once
// What must hold for the history reader on any input; shared by the fuzz target and the
// bounded random test.
#include <QByteArrayView>
#include <string>

// An empty string when the reader's lines for input are right, else what is wrong.
std::string CheckReaderProperties(QByteArrayView input);
