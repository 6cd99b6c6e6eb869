// The integer conversion against an independent reading of its rule: leading spaces, an optional
// sign, at least one decimal digit and nothing else, the value within a signed 32-bit integer.
// The throwing form must agree with the optional one.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/IntegerText.h"

namespace {

std::optional<int> Reference(const std::string& text) {
  size_t i = text.find_first_not_of(' ');
  if (i == std::string::npos) return std::nullopt;
  std::string number;
  if (text[i] == '-') number = "-";
  if (text[i] == '+' || text[i] == '-') ++i;
  if (i == text.size()) return std::nullopt;
  for (size_t j = i; j < text.size(); ++j)
    if (text[j] < '0' || text[j] > '9') return std::nullopt;
  number += text.substr(i);
  int value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc() || end != number.data() + number.size()) return std::nullopt;
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  const std::optional<int> value = TryStrToInt(bytes);
  if (value != Reference(bytes.toStdString())) std::abort();
  try {
    if (StrToInt(bytes) != value) std::abort();
  } catch (const ConvertError&) {
    if (value) std::abort();
  }
  return 0;
}
