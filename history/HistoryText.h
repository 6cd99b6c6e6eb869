#pragma once
// The history file's text: lines of bytes, each ended by CR LF, no header, no conversion.
#include <QByteArray>
#include <QByteArrayView>

#include "history/HistoryLines.h"

// The lines of a history text. A line ends at CR, at LF or at a zero byte; after it one CR and
// then one LF are skipped if present. An unterminated last line is a line; a zero byte ends the
// text and the rest is ignored. No trimming; the bytes are kept as they are. The lines keep
// text itself as their buffer: no byte is copied.
HistoryLines SplitHistoryText(QByteArray text);

// What the reading leaves out: the text from its first zero byte on (empty when there is none).
// A save writes it back after the lines, so a damaged file loses no byte.
QByteArrayView IgnoredTail(QByteArrayView text);

// Every line followed by CR LF, the last one too.
QByteArray JoinHistoryText(const HistoryLines& lines);
