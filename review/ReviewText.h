#pragma once
// The line a finished review puts at the top of the main window's log, as CP932 bytes:
// "復習 20問  やり直し 3回  所要時間 01:02.345".
#include <QByteArray>
#include <cstdint>

QByteArray ReviewEndLine(int facts, int askedAgain, int32_t elapsed);
