// The selection rules applied when the pupil presses an answer box.
#include "question_fixture.h"

namespace vintara::test {
namespace {

struct SelectionRuleCase {
  const char* name;
  int type;
  int boxes;
  std::vector<int> presses;
  std::vector<int> states;
};
void PrintTo(const SelectionRuleCase& c, std::ostream* os) { *os << c.name; }


class SelectionRules : public QuestionTest,
                       public ::testing::WithParamInterface<SelectionRuleCase> {};

TEST_P(SelectionRules, PressesSetTheBoxStates) {
  const SelectionRuleCase& c = GetParam();
  drawBoxes(std::vector<std::string>(size_t(c.boxes), "x"));
  p.question.questionType = c.type;
  for (int b : c.presses) applySelectionRules(p, b);
  std::vector<int> states;
  for (const AnswerBox& b : p.regions.answerBoxTable) states.push_back(b.state);
  EXPECT_EQ(states, c.states);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SelectionRules,
    ::testing::Values(
        SelectionRuleCase{"SingleMovesTheChoice", 0, 4, {1, 3}, {0, 0, 0, 1}},
        SelectionRuleCase{"SinglePressedTwiceStays", 0, 3, {2, 2}, {0, 0, 1}},
        SelectionRuleCase{"MultipleToggles", 1, 3, {0, 2, 0}, {0, 0, 1}},
        SelectionRuleCase{"GroupsOfThreeKeepOtherGroups", 3, 6, {0, 4, 5}, {1, 0, 0, 0, 0, 1}},
        SelectionRuleCase{"TrueFalsePairs", 2, 4, {1, 2, 0}, {1, 0, 1, 0}},
        SelectionRuleCase{"TypedFieldScreensIgnoreBoxes", 8, 2, {0}, {0, 0}},
        SelectionRuleCase{"OutsideTheTable", 0, 2, {-1, 2}, {0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(QuestionTest, LockedBoxesIgnorePresses) {
  drawBoxes({"a", "b"});
  p.question.questionType = kSingleSelection;
  p.question.answerLocked = true;
  applySelectionRules(p, 0);
  p.question.answerLocked = false;
  p.question.quizAnswerClosed = true;
  applySelectionRules(p, 1);
  EXPECT_EQ(p.regions.answerBoxTable[0].state, 0);
  EXPECT_EQ(p.regions.answerBoxTable[1].state, 0);
}

TEST_F(QuestionTest, PressingAWordStartsItsDrag) {
  drawBoxes({"=wave", "=ray", ""});
  p.question.questionType = kWordPlacement;
  applySelectionRules(p, 1);
  EXPECT_EQ(p.regions.drag.kind, 102);  // 101 + the word's box
  EXPECT_EQ(p.regions.drag.text, "#Oray");
  p.regions.drag = {};
  applySelectionRules(p, 2);  // an empty target holds nothing to drag
  EXPECT_EQ(p.regions.drag.kind, 0);
  EXPECT_EQ(p.regions.answerBoxTable[2].state, 0);
}

TEST_F(QuestionTest, ResetForAScreen) {
  QuestionState& q = p.question;
  q.inQuestion = q.feedbackChosen = q.feedbackClosed = q.marksShown = q.centreMarks = true;
  q.firstTargetBox = 4;
  q.firstUnjudgedField = 3;
  q.positionWord[1] = 7;
  q.capitaliseTarget[2] = true;
  q.quizAnswerClosed = true;  // "clearanswer" on the screen before
  q.autoFeedback = q.answerLocked = q.feedbackMet = true;
  p.text.boxLayout.width = 90;
  p.text.boxLayout.style = 1;
  resetQuestionForScreen(p);
  EXPECT_FALSE(q.inQuestion || q.feedbackChosen || q.feedbackClosed || q.marksShown || q.centreMarks);
  EXPECT_EQ(q.firstTargetBox, 0);
  EXPECT_EQ(q.firstUnjudgedField, 0);
  for (int k = 1; k <= 10; ++k) EXPECT_EQ(q.positionWord[size_t(k)], k);
  EXPECT_FALSE(q.capitaliseTarget[2]);
  EXPECT_FALSE(q.quizAnswerClosed);  // the new screen's boxes can be answered
  EXPECT_EQ(p.text.boxLayout.width, 200);
  EXPECT_EQ(p.text.boxLayout.style, 0);
  // Kept until a full reset of the engine, or (autofeedback) changed by the
  // script.
  EXPECT_TRUE(q.answerLocked && q.feedbackMet && q.autoFeedback);
}

TEST_F(QuestionTest, QuestionCommandSetsTheLayoutAndType) {
  runScriptText(p, "@question 150,12,4,3,1,2\n");
  const BoxLayout& b = p.text.boxLayout;
  EXPECT_EQ(b.width, 150);
  EXPECT_EQ(b.horizontalGap, 12);
  EXPECT_EQ(b.verticalGap, 4);
  EXPECT_EQ(b.perRow, 3);
  EXPECT_EQ(b.noCentre, 1);
  EXPECT_EQ(b.lines, 2);
  EXPECT_EQ(b.style, 0);
  EXPECT_EQ(b.background, "white");
  EXPECT_EQ(b.textColour, 15);
  EXPECT_EQ(b.highlightColour, 14);
  EXPECT_EQ(p.question.questionType, 3);
  runScriptText(p, "@question 150,0,4,1,0,1,1,Blue,0,12\n");
  EXPECT_EQ(b.style, 1);
  EXPECT_EQ(b.background, "blue");
  EXPECT_EQ(b.textColour, 0);
  EXPECT_EQ(b.highlightColour, 12);
  EXPECT_EQ(p.question.questionType, 1);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(QuestionTest, SettingCommands) {
  runScriptText(p, "@centertick\n@forceuppercase 3\n@partscore 2,5\n@autofeedback TRUE\n");
  EXPECT_TRUE(p.question.centreMarks);
  EXPECT_TRUE(p.question.capitaliseTarget[3]);
  EXPECT_EQ(p.question.partScores[2], 5);
  EXPECT_TRUE(p.question.autoFeedback);
  EXPECT_FALSE(p.question.answerLocked);
  runScriptText(p, "@autofeedback false\n");
  EXPECT_TRUE(p.question.answerLocked);
  runScriptText(p, "@clearanswer\n");
  EXPECT_FALSE(p.question.answerLocked);
  EXPECT_TRUE(p.question.quizAnswerClosed);
  EXPECT_TRUE(platform.messages.empty());
  // A target beyond 24 is an error in the script, told to the author.
  runScriptText(p, "@forceuppercase 25\n");
  ASSERT_EQ(platform.messages.size(), 1u);
}

TEST_F(QuestionTest, AnswerDoesNotStopWhileReplayingOrAfterFeedback) {
  // Replaying the screen up to a later point: no stop.
  p.run.resumePos = 1000;
  runScriptText(p, "@answer 1\nAfter.\n");
  EXPECT_TRUE(p.question.inQuestion);
  EXPECT_GT(p.engine.scriptPos, p.engine.scriptEnd);
  // A feedback line passed since feedback was last shown: no stop either.
  p.run.resumePos = -1;
  p.question = QuestionState{};
  p.question.feedbackMet = true;
  runScriptText(p, "@answer 1\nAfter.\n");
  EXPECT_GT(p.engine.scriptPos, p.engine.scriptEnd);
  p.question = QuestionState{};
  runScriptText(p, "@answer 1\nAfter.\n");
  EXPECT_LE(p.engine.scriptPos, p.engine.scriptEnd);
}

}  // namespace
}  // namespace vintara::test
