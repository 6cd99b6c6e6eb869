#pragma once
// Code page 932 (Shift-JIS with the vendor extensions) to and from Unicode. The program's texts
// are kept as CP932 byte strings; they are decoded only to be displayed.
#include <QByteArray>
#include <QString>

// Decodes CP932 bytes for display. A byte that starts no valid character, and a lead byte cut
// off at the end, each become U+FFFD; decoding goes on after it.
QString DecodeCp932(const QByteArray& bytes);

// Encodes text as CP932. A character without a CP932 form becomes "?".
QByteArray EncodeCp932(const QString& text);
