// vintara-author render: one screen drawn as the program draws it.
#include <gtest/gtest.h>

#include "authoring/render.h"
#include "platform/fake/fake_platform.h"
#include "support/test_support.h"

namespace vintara {
namespace {

// The main menu prints black, the topic menu (the template of its screens)
// red and the screen itself blue.
test::CourseSource smallCourse() {
  return {"menu Main Menu | script=main.txt\n"
          "  menu Topic | script=topic.txt\n"
          "    screen Leaf | script=leaf.txt\n",
          {{"main.txt", "Main menu\n"},
           {"topic.txt", "#crTopic frame\n"},
           {"leaf.txt", "#cuThe screen\n#[n40 no bracket\n"}}};
}

bool hasColour(const Image& img, Rgb colour) {
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) == colour) return true;
  return false;
}

TEST(Render, DrawsTheScreenAfterItsTemplate) {
  test::CompiledCourse course(smallCourse());
  FakePlatform platform;
  platform.imageLoader = [](const std::string&) { return Image(8, 8, 0xFFFFFF); };
  RenderRequest request;
  request.content = course.root();
  request.screen = 3;
  const RenderResult r = renderScreen(platform, request);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.image.width(), 640);
  EXPECT_EQ(r.image.height(), 440);
  EXPECT_TRUE(hasColour(r.image, makeRgb(0, 0, 255)));   // the screen
  EXPECT_TRUE(hasColour(r.image, makeRgb(170, 0, 0)));   // its template
  EXPECT_EQ(r.messages, std::vector<std::string>{"Missing ]"});
}

TEST(Render, ShowsTheMenuWithoutATemplate) {
  test::CompiledCourse course(smallCourse());
  FakePlatform platform;
  platform.imageLoader = [](const std::string&) { return Image(8, 8, 0xFFFFFF); };
  RenderRequest request;
  request.content = course.dir().path();  // the folder above the content works too
  request.screen = 2;
  const RenderResult r = renderScreen(platform, request);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_TRUE(hasColour(r.image, makeRgb(170, 0, 0)));
  EXPECT_FALSE(hasColour(r.image, makeRgb(0, 0, 255)));
}

TEST(Render, Failures) {
  test::CompiledCourse course(smallCourse());
  {
    FakePlatform platform;
    platform.imageLoader = [](const std::string&) { return Image(8, 8, 0xFFFFFF); };
    const RenderResult r = renderScreen(platform, {course.root(), 9});
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "no screen 9 (the course has 3)");
  }
  {
    FakePlatform platform;
    const RenderResult r = renderScreen(platform, {course.root() + "/nothing", 1});
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("no course at"), std::string::npos);
  }
  {
    // Without the popup picture start-up asks Retry or Cancel; Cancel ends.
    FakePlatform platform;
    const RenderResult r = renderScreen(platform, {course.root(), 1});
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "the program ended (status 1)");
    ASSERT_FALSE(r.messages.empty());
    EXPECT_NE(r.messages.back().find("qeltpop.bmp"), std::string::npos);
  }
}

TEST(Render, CommandLine) {
  struct Case {
    std::vector<std::string> args;
    std::string error;
  } cases[] = {
      {{"c", "--screen", "4", "--out", "s.png"}, ""},
      {{"c", "--screen", "4", "--out", "s.png", "--tier", "H", "--award", "S", "--wait", "500"}, ""},
      {{"--screen", "4", "--out", "s.png"}, "no content folder given"},
      {{"c", "--out", "s.png"}, "--screen is required"},
      {{"c", "--screen", "4"}, "--out is required"},
      {{"c", "--screen", "x", "--out", "s.png"}, "--screen needs a screen number from 1"},
      {{"c", "--screen", "0", "--out", "s.png"}, "--screen needs a screen number from 1"},
      {{"c", "--screen", "4", "--out", "s.png", "--tier", "h"}, "--tier is H or F"},
      {{"c", "--screen", "4", "--out", "s.png", "--award", "X"}, "--award is S or D"},
      {{"c", "--screen", "4", "--out", "s.png", "--wait"}, "--wait needs milliseconds (0 to 600000)"},
      {{"c", "--screen", "4", "--out", "s.png", "--zoom", "2"}, "unknown option --zoom"},
      {{"c", "d", "--screen", "4", "--out", "s.png"}, "more than one content folder given"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.error);
    RenderRequest request;
    std::string out;
    EXPECT_EQ(parseRenderArgs(c.args, request, out), c.error);
  }
  RenderRequest request;
  std::string out;
  ASSERT_EQ(parseRenderArgs(cases[1].args, request, out), "");
  EXPECT_EQ(request.content, "c");
  EXPECT_EQ(request.screen, 4);
  EXPECT_EQ(out, "s.png");
  EXPECT_EQ(request.tier, "H");
  EXPECT_EQ(request.award, "S");
  EXPECT_EQ(request.waitMs, 500);
}

}  // namespace
}  // namespace vintara
