// libFuzzer target: the reading of one history line holds its properties on any bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "DrillResultProperties.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string problem =
      CheckDrillResultProperties(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  if (!problem.empty()) {
    std::fprintf(stderr, "%s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
