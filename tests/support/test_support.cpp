#include "support/test_support.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cctype>
#include <filesystem>
#include <fstream>

#include "authoring/course_compiler.h"
#include "content/content_paths.h"
#include "engine/interpreter.h"

namespace fs = std::filesystem;

namespace vintara::test {

TempDir::TempDir() {
  std::string tmpl = (fs::temp_directory_path() / "vintara-test-XXXXXX").string();
  char* made = mkdtemp(tmpl.data());
  if (!made) throw std::runtime_error("cannot make a temporary folder");
  path_ = made;
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

std::string TempDir::write(const std::string& rel, const std::string& bytes) const {
  fs::path p = fs::path(path_) / rel;
  fs::create_directories(p.parent_path());
  std::ofstream out(p, std::ios::binary);
  out.write(bytes.data(), std::streamsize(bytes.size()));
  return p.string();
}

std::string readFile(const std::string& path) {
  std::string out;
  readWholeFile(path, out);
  return out;
}

CompiledCourse::CompiledCourse(const CourseSource& source) {
  dir_.write("src/course.txt", source.outline);
  for (const auto& [name, text] : source.scripts) dir_.write("src/scripts/" + name, text);
  for (const auto& [name, bytes] : source.files) dir_.write("src/content/" + name, bytes);
  root_ = dir_ / "tolvenia";
  auto messages = compileCourse(dir_ / "src", root_);
  for (const auto& m : messages) ADD_FAILURE() << m.format();
}

PlayerFixture::PlayerFixture(const std::string& root) {
  platform.programDir = root + "/..";
  player = std::make_unique<Player>(platform);
  player->content.paths.setRoot(root);
  player->content.loadTree();
}

int nodeWithCaption(const CourseTree& tree, std::string_view caption) {
  for (int n = 1; n <= tree.count(); ++n)
    if (tree.caption(n) == caption) return n;
  return 0;
}

std::string nameOf(std::string_view text) {
  std::string name;
  bool gap = false;
  for (char c : text) {
    if (std::isalnum((unsigned char)c)) {
      if (gap && !name.empty()) name += '_';
      name += c;
      gap = false;
    } else {
      gap = true;
    }
  }
  return name;
}

std::string powerOfTen(const std::string& mantissa, const std::string& exponent) {
  std::string s = mantissa + "\xD7\x31\x30";
  for (char c : exponent) s += c == '-' ? '\xBB' : char(c + 86);
  return s;
}

std::string crlf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

void runScriptText(Player& p, const std::string& script) {
  p.engine.scriptText = crlf(script);
  p.engine.scriptPos = 1;
  p.engine.scriptEnd = int(p.engine.scriptText.size());
  p.engine.scriptName = "test script";
  executeProgramScript(p, &p.workArea);
}

}  // namespace vintara::test
