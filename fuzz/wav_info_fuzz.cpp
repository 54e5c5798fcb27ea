// Wave file headers, read for the duration that the silent player waits
// when there is no audio output.
#include <cstdint>
#include <string_view>

#include "assess/wav_info.h"
#include "fuzz_check.h"

using namespace vintara;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto ms = wavDurationMs(bytes);
  if (!ms) return 0;
  FUZZ_CHECK(size >= 12 && bytes.substr(0, 4) == "RIFF" && bytes.substr(8, 4) == "WAVE");
  FUZZ_CHECK(*ms >= 0);
  return 0;
}
