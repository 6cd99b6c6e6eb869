// Decoding arbitrary bytes as CP932 never fails and never loses its place: every byte yields at
// most one character, ASCII decodes to itself, and decoding the re-encoded text gives the same
// characters again (a substituted byte comes back as "?").
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/Cp932.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  const QString text = DecodeCp932(bytes);
  if (text.size() > bytes.size()) std::abort();

  bool ascii = true;
  for (char c : bytes) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii && text != QString::fromLatin1(bytes)) std::abort();

  QString expected = text;
  expected.replace(QChar(0xFFFD), QLatin1Char('?'));
  if (DecodeCp932(EncodeCp932(text)) != expected) std::abort();
  return 0;
}
