#include "interpreter_course.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "authoring/course_compiler.h"
#include "engine/navigation.h"
#include "engine/player.h"
#include "fuzz_check.h"
#include "platform/fake/fake_platform.h"
#include "shell/startup.h"

namespace vintara::fuzzing {

namespace fs = std::filesystem;

namespace {

constexpr uint32_t kTimerMs = 3000;  // how long timers run after the screen

const char* const kOutline =
    "menu Main Menu | script=main.txt\n"
    "  menu Waves | script=area.txt | keywords=wave>waves\n"
    "    menu Describing waves | script=topic.txt\n"
    "      screen Parts of a wave | script=screen.txt | id=12\n"
    "      point Amplitude | script=screen.txt | id=13\n"
    "    menu Revision: waves | script=topic.txt\n"
    "      screen Check your waves | script=screen.txt | id=14\n"
    "  menu Help | script=area.txt\n"
    "    help Circuits | script=help.txt | id=1\n";

const char* const kScripts[][2] = {
    {"main.txt", "@backdrop back.bmp\nMain menu\n"},
    {"area.txt", "Area menu\n"},
    {"topic.txt", "@picture pic.bmp\nTopic menu text\n"},
    {"screen.txt", "A screen\n"},
    {"help.txt", "Help text\n"},
};

// Picture files are not decoded by the fake platform: any that exists
// loads as a small picture with a key-colour corner.
const char* const kPictures[] = {"pictures/qeltpop.bmp", "database/pictures/back.bmp",
                                 "database/waves/topic1/pictures/pic.bmp"};

// The course lives in a temporary folder for the whole run.
struct Course {
  std::string dir, root;
  ~Course() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
};

void write(const fs::path& file, const std::string& bytes) {
  fs::create_directories(file.parent_path());
  FILE* f = std::fopen(file.c_str(), "wb");
  if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) std::abort();
  std::fclose(f);
}

const Course& course() {
  static Course c;
  if (!c.dir.empty()) return c;
  std::string tmpl = (fs::temp_directory_path() / "vintara-fuzz-XXXXXX").string();
  if (!mkdtemp(tmpl.data())) std::abort();
  c.dir = tmpl;
  c.root = tmpl + "/tolvenia";
  const fs::path src = fs::path(c.dir) / "src";
  write(src / "course.txt", kOutline);
  for (const auto& s : kScripts) write(src / "scripts" / s[0], s[1]);
  for (const char* pic : kPictures) write(src / "content" / pic, "BM");
  if (!compileCourse(src.string(), c.root).empty()) std::abort();
  return c;
}

std::optional<Image> loadPicture(const std::string& path) {
  std::error_code ec;
  if (path.empty() || !fs::is_regular_file(path, ec)) return std::nullopt;
  Image img(24, 16, 0x3366CC);
  img.fillRect({0, 0, 6, 4}, kKeyColour);
  return img;
}

}  // namespace

size_t runScriptOnFuzzCourse(const std::string& script) {
  FakePlatform platform;
  platform.contentOption = course().root;
  platform.programDir = course().dir;
  platform.imageLoader = loadPicture;
  Player p(platform);
  p.run.runawayLineLimit = kFuzzLineLimit;
  // The start-up must succeed on the small course: an exit here would mean
  // that no input ever reaches the interpreter.
  try {
    Form_Load(p);
  } catch (const ProgramExit&) {
    FUZZ_CHECK(!"the start-up of the fuzzing course ended the program");
  }
  FUZZ_CHECK(p.content.tree.count() == 9);
  size_t linesDrawn = 0;
  try {
    p.engine.currentScreen = 4;  // "Parts of a wave": its menu runs first
    p.nav.useTemplate = true;
    runProgram(p, script);
    linesDrawn = p.text.textHistory.size();
    platform.advance(kTimerMs);
    // The pupil presses Forward: a script that stopped for the pupil goes on.
    executeGoForward(p, -1, true);
    platform.advance(kTimerMs);
  } catch (const ProgramExit&) {
    // "End the program" paths end the input.
  }
  return linesDrawn;
}

}  // namespace vintara::fuzzing
