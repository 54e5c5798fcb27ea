#include "content/counted_text.h"

namespace vintara {

bool CountedReader::readInt16(int& out) {
  if (data_.size() - pos_ < 2 || pos_ > data_.size()) return false;
  auto lo = uint8_t(data_[pos_]), hi = uint8_t(data_[pos_ + 1]);
  out = int(int16_t(uint16_t(lo | (hi << 8))));
  pos_ += 2;
  return true;
}

bool CountedReader::readCountedText(std::string& out, std::string& why) {
  int len = 0;
  if (!readInt16(len)) {
    why = "the file ends before a text length";
    return false;
  }
  if (len < 0) {
    why = "a text length is negative (" + std::to_string(len) + ")";
    return false;
  }
  if (size_t(len) > data_.size() - pos_) {
    why = "a text of " + std::to_string(len) + " characters runs past the end of the file";
    return false;
  }
  out.assign(data_.substr(pos_, size_t(len)));
  pos_ += size_t(len);
  return true;
}

void CountedWriter::writeInt16(int v) {
  auto u = uint16_t(int16_t(v));
  out_ += char(u & 0xFF);
  out_ += char(u >> 8);
}

void CountedWriter::writeCountedText(std::string_view text) {
  writeInt16(int(text.size()));
  out_.append(text);
}

ScriptFileText readLengthPrefixedText(std::string_view fileData) {
  ScriptFileText r;
  CountedReader in(fileData);
  int len = 0;
  if (!in.readInt16(len)) {
    // An empty or one-byte file: a failed read of the length gives 0.
    r.damaged = !fileData.empty();
    return r;
  }
  r.declaredLength = len;
  const size_t avail = fileData.size() - 2;
  r.availableLength = int(avail > size_t(kMaxScriptLength) ? kMaxScriptLength : avail);
  if (len < 0) {
    r.damaged = true;
    return r;
  }
  if (size_t(len) > avail) {
    r.damaged = true;
    len = int(avail);
  }
  r.text.assign(fileData.substr(2, size_t(len)));
  return r;
}

}  // namespace vintara
