#include <gtest/gtest.h>

#include <filesystem>

#include "authoring/course_compiler.h"
#include "content/content_store.h"
#include "support/test_support.h"

namespace vintara {
namespace {

using test::TempDir;

std::vector<std::string> buildErrors(const std::string& outline,
                                     std::vector<std::pair<std::string, std::string>> scripts) {
  TempDir dir;
  dir.write("src/course.txt", outline);
  for (auto& [n, t] : scripts) dir.write("src/scripts/" + n, t);
  std::vector<std::string> out;
  for (const auto& m : compileCourse(dir / "src", dir / "out")) out.push_back(m.format());
  return out;
}

TEST(CourseCompiler, RoundTripThroughThePlayer) {
  test::CompiledCourse course({"menu Main | script=m.txt\n"
                               "  menu Waves | script=w.txt | flags=FD | keywords=wave>waves;echo>sound\n"
                               "    screen Light | script=l.txt | id=12\n"
                               "    screen Sound | script=s.txt\n"
                               "  menu help | noindex\n",
                               {{"m.txt", "line one\nline two"},
                                {"w.txt", "Waves \xc3\x97 10\r\n"},  // UTF-8 multiplication sign
                                {"l.txt", "light\n"},
                                {"s.txt", "sound\n"}}});
  test::PlayerFixture fx(course.root());
  ContentStore& store = fx.p().content;
  const CourseTree& t = store.tree;
  ASSERT_EQ(t.count(), 5);
  EXPECT_EQ(t.caption(2), "Waves");
  EXPECT_EQ(t.nodeFlags(1), kFoundation | kDouble);
  EXPECT_EQ(t.scriptNumber(2), 12);
  EXPECT_EQ(t.scriptNumber(3), 1);  // the lowest number no "id" has taken
  EXPECT_EQ(t.nextScriptNumber(), 13);
  EXPECT_EQ(store.getScript(1), "line one\r\nline two");
  EXPECT_EQ(store.getScript(2), "Waves \xd7 10\r\n");  // Windows-1252 in the content
  EXPECT_EQ(store.getScript(3), "light\r\n");
  EXPECT_EQ(store.scriptFilePath, "database\\electric\\topic1\\script\\ID12.Scn");

  // search.inf: one entry per record.
  std::string search = test::readFile(course.root() + "/search.inf");
  EXPECT_NE(search.find("Waves@wave@waves@echo@sound"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(course.root() + "/vintara.del"));
}

TEST(CourseCompiler, ErrorsNameFileAndLine) {
  EXPECT_EQ(buildErrors("menu Main | script=m.txt\n      screen Deep | script=d.txt\n", {{"m.txt", ""}}),
            std::vector<std::string>{"course.txt:2: the level jumps from 0 to 3; a child is one level below its parent"});
  EXPECT_EQ(buildErrors("menu Main | script=m.txt\n  screen A | script=missing.txt\n", {{"m.txt", ""}}),
            std::vector<std::string>{"course.txt:2: missing script file scripts/missing.txt"});
  EXPECT_EQ(buildErrors("menu Main | script=m.txt\n", {{"m.txt", std::string(40000, 'x')}}),
            std::vector<std::string>{"scripts/m.txt:1: the script is 40000 characters long; a script file holds at most 32767"});
  EXPECT_EQ(buildErrors("menu Main\n  page X\n   screen Y | colour=red\n", {}),
            (std::vector<std::string>{"course.txt:2: unknown kind \"page\" (menu, screen, point or help)",
                                      "course.txt:3: indentation must be a multiple of two blanks"}));
  EXPECT_EQ(buildErrors("menu Main\n  screen A | script=a.txt | flags=FX\n", {{"a.txt", ""}}),
            std::vector<std::string>{"course.txt:2: flags take the letters F, H, D and S, not \"FX\""});
}

TEST(CourseCompiler, ScriptTextGetsCrLfAndItsLength) {
  std::string bytes;
  int len = 0;
  ASSERT_TRUE(compileScriptText("a\nb\r\nc\rd", bytes, len));
  EXPECT_EQ(bytes, std::string("\x0a\x00", 2) + "a\r\nb\r\nc\r\nd");
  EXPECT_FALSE(compileScriptText(std::string(32768, 'x'), bytes, len));
  EXPECT_TRUE(compileScriptText(std::string(32767, 'x'), bytes, len));
}

}  // namespace
}  // namespace vintara
