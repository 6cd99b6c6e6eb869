// libFuzzer target for the history reader: any byte string must split into lines that hold no
// line end, agree with the line-end rules and survive a write and a second read unchanged.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "ReaderProperties.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string problem =
      CheckReaderProperties(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  if (!problem.empty()) {
    std::fprintf(stderr, "%s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
