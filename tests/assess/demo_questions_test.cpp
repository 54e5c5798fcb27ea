// The question screens of the demo course run cleanly up to their answer
// line, with the question type they are meant to show.
#include <gtest/gtest.h>

#include "authoring/course_compiler.h"
#include "engine/navigation.h"
#include "engine/player.h"
#include "support/test_support.h"

namespace vintara::test {
namespace {

TEST(DemoCourse, QuestionScreensStopForTheAnswer) {
  TempDir dir;
  const std::string root = dir / "tolvenia";
  for (const auto& m : compileCourse(std::string(VINTARA_SOURCE_DIR) + "/course", root))
    ADD_FAILURE() << m.format();
  PlayerFixture f(root);
  // Every picture loads: this is about the scripts, not the pictures.
  f.platform.imageLoader = [](const std::string&) { return std::optional<Image>(Image(8, 8)); };
  Player& p = f.p();

  const struct {
    const char* caption;
    int type;
  } screens[] = {{"Waves: choose one", kSingleSelection},
                 {"Waves: choose all that fit", kMultipleSelection},
                 {"Waves: true or false", 2},
                 {"Waves: wave speed", kTypedFields},
                 {"Waves: match the words", kTypedFields},
                 {"Waves: fill the gaps", kWordPlacement},
                 {"Forces: what happens to the speed", 3},
                 {"Forces: label the forces", kWordPlacement},
                 {"Forces: the unit of force", kSingleSelection},
                 {"Space: planets in order", kWordPlacement},
                 {"Energy: which store", kWordPlacement}};
  for (const auto& s : screens) {
    SCOPED_TRACE(s.caption);
    const int screen = nodeWithCaption(p.content.tree, s.caption);
    ASSERT_NE(screen, 0);
    p.engine.currentScreen = screen;
    p.nav.useTemplate = true;  // a leaf below its revision menu
    f.platform.messages.clear();
    p.question.questionType = -1;
    hardResetvars(p);  // as navigation does before a screen starts
    runProgram(p);
    EXPECT_EQ(f.platform.messageTexts(), std::vector<std::string>{});
    EXPECT_TRUE(p.question.inQuestion);
    EXPECT_LT(p.engine.scriptPos, p.engine.scriptEnd);  // waiting for the pupil
    // Typed fields set their type as the renderer draws them.
    if (s.type != kTypedFields) {
      EXPECT_EQ(p.question.questionType, s.type);
    }
  }
}

}  // namespace
}  // namespace vintara::test
