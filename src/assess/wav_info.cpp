#include "assess/wav_info.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace vintara {

namespace {
uint32_t le32(std::string_view d, size_t at) {
  return uint32_t(uint8_t(d[at])) | uint32_t(uint8_t(d[at + 1])) << 8 |
         uint32_t(uint8_t(d[at + 2])) << 16 | uint32_t(uint8_t(d[at + 3])) << 24;
}
}  // namespace

std::optional<int> wavDurationMs(std::string_view d) {
  if (d.size() < 12 || d.substr(0, 4) != "RIFF" || d.substr(8, 4) != "WAVE") return std::nullopt;
  uint32_t byteRate = 0;
  size_t pos = 12;
  while (pos + 8 <= d.size()) {
    const std::string_view id = d.substr(pos, 4);
    const uint64_t size = le32(d, pos + 4);
    const size_t body = pos + 8;
    if (id == "fmt " && size >= 12 && body + 12 <= d.size()) byteRate = le32(d, body + 8);
    if (id == "data") {
      if (byteRate == 0) return std::nullopt;
      const uint64_t avail = d.size() - body;
      const uint64_t bytes = size < avail ? size : avail;
      const uint64_t ms = bytes * 1000 / byteRate;  // a tiny byte rate can pass int
      return int(std::min<uint64_t>(ms, std::numeric_limits<int>::max()));
    }
    pos = body + size_t(size) + (size & 1);
    if (pos < body) break;  // overflow guard
  }
  return std::nullopt;
}

}  // namespace vintara
