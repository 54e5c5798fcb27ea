// Counted text: a signed 16-bit little-endian length followed by that many
// single-byte characters. The course map, script files, search.inf and the
// pupil file all store their texts this way.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vintara {

// Reads from a byte buffer; never reads past its end.
class CountedReader {
 public:
  explicit CountedReader(std::string_view data) : data_(data) {}
  bool readInt16(int& out);
  // Fails (with a reason) on a short read, a negative length or a length
  // that runs past the end of the data.
  bool readCountedText(std::string& out, std::string& why);
  size_t offset() const { return pos_; }
  bool atEnd() const { return pos_ >= data_.size(); }

 private:
  std::string_view data_;
  size_t pos_ = 0;
};

class CountedWriter {
 public:
  void writeInt16(int v);
  // The text must be at most 32,767 bytes (callers check).
  void writeCountedText(std::string_view text);
  std::string take() { return std::move(out_); }

 private:
  std::string out_;
};

// A script file: the length word and the script text. `damaged` tells that
// the length word is negative or runs past the end of the file; the text
// that is there is returned all the same.
struct ScriptFileText {
  std::string text;
  bool damaged = false;
  int declaredLength = 0;
  int availableLength = 0;
};
ScriptFileText readLengthPrefixedText(std::string_view fileData);

constexpr int kMaxScriptLength = 32767;

}  // namespace vintara
