// libFuzzer entry (and corpus replay entry) for the chart engine.
#include <cstddef>
#include <cstdint>

#include "fuzz/ChartInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return fuzz::RunChartInput(data, size);
}

// fontconfig keeps its configuration until the process ends and Qt never releases it.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
