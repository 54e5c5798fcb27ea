// Helpers for tests: temporary folders and small compiled courses.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/player.h"
#include "platform/fake/fake_platform.h"

namespace vintara::test {

// A folder that is removed with everything in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& rel) const { return path_ + "/" + rel; }
  // Writes a file (creating folders); returns its path.
  std::string write(const std::string& rel, const std::string& bytes) const;

 private:
  std::string path_;
};

std::string readFile(const std::string& path);

// A course source: the outline and its scripts (name -> text), compiled
// into <temp>/tolvenia. Scripts are written as given (LF is fine).
struct CourseSource {
  std::string outline;
  std::vector<std::pair<std::string, std::string>> scripts;
  std::vector<std::pair<std::string, std::string>> files;  // content/ files
};

class CompiledCourse {
 public:
  explicit CompiledCourse(const CourseSource& source);
  const std::string& root() const { return root_; }  // the tolvenia folder
  const TempDir& dir() const { return dir_; }

 private:
  TempDir dir_;
  std::string root_;
};

// A Player on a fake platform whose content root is `root`, with the
// course tree loaded (no start-up sequence).
struct PlayerFixture {
  explicit PlayerFixture(const std::string& root);
  FakePlatform platform;
  std::unique_ptr<Player> player;
  Player& p() { return *player; }
};

// Runs a script text as a screen of its own (from its first line).
void runScriptText(Player& p, const std::string& scriptWithLf);

// The first node of the tree with this caption, or 0.
int nodeWithCaption(const CourseTree& tree, std::string_view caption);

// A test case name made of the letters and digits of a description.
std::string nameOf(std::string_view text);

// A number with a power of ten as a typed field holds it: the mantissa,
// "×10", the exponent's minus "»" and the exponent digits as the codes
// 134 to 143.
std::string powerOfTen(const std::string& mantissa, const std::string& exponent);

// Script text with CR LF line ends from lines written with LF.
std::string crlf(const std::string& text);

}  // namespace vintara::test
