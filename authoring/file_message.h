// A problem found in a file of a course, reported as "file:line: text" (the
// form editors and build logs understand).
#pragma once

#include <string>

namespace vintara {

struct FileMessage {
  std::string file;
  int line = 0;
  std::string text;
  std::string format() const { return file + ":" + std::to_string(line) + ": " + text; }
};

}  // namespace vintara
