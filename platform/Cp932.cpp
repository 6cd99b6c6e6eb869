#include "platform/Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace {

// One iconv conversion descriptor, opened on first use and kept for the run.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert CP932");
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts `in`; at an unconvertible or truncated sequence, appends `replacement` to the
  // output and skips `skip(in, pos)` input bytes.
  template <class Skip>
  QByteArray Run(const QByteArray& in, const QByteArray& replacement, Skip skip) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // reset the shift state
    QByteArray out;
    char buffer[1024];
    char* src = const_cast<char*>(in.constData());
    size_t srcLeft = static_cast<size_t>(in.size());
    while (srcLeft > 0) {
      char* dst = buffer;
      size_t dstLeft = sizeof buffer;
      size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buffer, dst - buffer);
      if (r != static_cast<size_t>(-1)) continue;
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL: substitute and step over the offending bytes.
      out += replacement;
      size_t n = skip(src, srcLeft);
      src += n;
      srcLeft -= n;
    }
    return out;
  }

 private:
  iconv_t cd_;
};

// Length of the UTF-8 sequence starting at `p` (at least 1, at most `left`).
size_t Utf8Length(const char* p, size_t left) {
  auto b = static_cast<unsigned char>(*p);
  size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
  return n < left ? n : left;
}

}  // namespace

QString DecodeCp932(const QByteArray& bytes) {
  static Converter decoder("UTF-8", "CP932");
  // An invalid byte is skipped alone, so that a following valid character is kept.
  return QString::fromUtf8(decoder.Run(bytes, "\xEF\xBF\xBD", [](const char*, size_t) { return size_t{1}; }));
}

QByteArray EncodeCp932(const QString& text) {
  static Converter encoder("CP932", "UTF-8");
  return encoder.Run(text.toUtf8(), "?", Utf8Length);
}
