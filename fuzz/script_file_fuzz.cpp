// Length-prefixed script files (.mnu, .Scn and help texts), and the
// counted-text reader that the map, search.inf and pupil files share.
#include <cstdint>
#include <string>
#include <string_view>

#include "content/counted_text.h"
#include "fuzz_check.h"

using namespace vintara;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const ScriptFileText f = readLengthPrefixedText(bytes);
  if (size < 2) {
    FUZZ_CHECK(f.text.empty() && f.damaged == (size == 1));
  } else {
    const int declared = int(int16_t(uint16_t(data[0] | (data[1] << 8))));
    const size_t available = size - 2;
    FUZZ_CHECK(f.declaredLength == declared);
    if (declared < 0) {
      FUZZ_CHECK(f.damaged && f.text.empty());
    } else {
      FUZZ_CHECK(f.damaged == (size_t(declared) > available));
      FUZZ_CHECK(f.text == bytes.substr(2, size_t(declared)));
    }
    FUZZ_CHECK(f.availableLength >= 0 && f.availableLength <= kMaxScriptLength);
  }

  // A run of counted texts, as the other files hold them.
  CountedReader in(bytes);
  std::string text, why;
  size_t last = 0;
  while (in.readCountedText(text, why)) {
    FUZZ_CHECK(in.offset() == last + 2 + text.size() && in.offset() <= size);
    last = in.offset();
  }
  FUZZ_CHECK(!why.empty() && in.offset() <= size);
  return 0;
}
