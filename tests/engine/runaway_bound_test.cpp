#include <gtest/gtest.h>

#include "engine/player.h"
#include "support/test_support.h"

namespace vintara {
namespace {

// The fuzz targets lower the runaway bound to keep each input short; the
// lowered bound must end the run like the real one.
TEST(RunawayBound, LoweredBoundEndsTheRun) {
  const test::CompiledCourse course{{"menu Main | script=m.txt\n", {{"m.txt", "m\n"}}, {}}};
  test::PlayerFixture fx{course.root()};
  Player& p = fx.p();
  EXPECT_EQ(p.run.runawayLineLimit, kRunawayLineLimit);
  p.run.runawayLineLimit = 3;
  test::runScriptText(p, "one\ntwo\nthree\nfour\nfive\n");
  const auto texts = fx.platform.messageTexts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_NE(texts[0].find("the script ran 3 lines without stopping for the pupil"), std::string::npos)
      << texts[0];
  EXPECT_EQ(p.engine.scriptPos, int(std::string("one\r\ntwo\r\nthree\r\n").size()) + 1);
}

}  // namespace
}  // namespace vintara
