// Judging selections, groups, fields and words; choosing feedback blocks.
#include "assess/feedback_box.h"
#include "engine/script_text.h"
#include "output/rich_text.h"
#include "question_fixture.h"

namespace vintara::test {
namespace {

// A script must go on after its answer line for Forward to continue it
// (and so judge the answer) rather than move to another screen.
const char* const kEnd = "' the end of the question\n";

const Rgb kGreenBox = makeRgb(151, 207, 143);
const Rgb kRedBox = makeRgb(255, 175, 175);

// ---- Single and multiple selection --------------------------------------

const char* const kSingle =
    "@question 200,0,4,0,0,1\n"
    "@answer 3\n"
    "@feedback correct\n"
    "Well done.\n"
    "@feedback wrong\n"
    "Look again: it is box 3.\n"
    "@question\n";

struct SelectionCase {
  const char* name;
  std::vector<int> selected;
  Marks marks;
  std::vector<std::string> responses;
  const char* block;  // "" when none is chosen
  const char* caption;
  const char* text;
};
void PrintTo(const SelectionCase& c, std::ostream* os) { *os << c.name; }


class SingleSelection : public QuestionTest, public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(SingleSelection, MarksChoosesTheBlockAndColoursTheBox) {
  const SelectionCase& c = GetParam();
  drawBoxes({"one", "two", "three", "four"});
  start(kSingle);
  ASSERT_TRUE(p.question.inQuestion);
  EXPECT_TRUE(trace.marks.empty());  // nothing judged before Forward
  select(c.selected);
  forward();
  EXPECT_EQ(trace.marks, c.marks);
  EXPECT_EQ(trace.lastResponses, c.responses);
  EXPECT_EQ(trace.chosen, std::vector<std::string>{c.block});
  ASSERT_TRUE(boxShown());
  EXPECT_EQ(lastBox().caption, c.caption);
  EXPECT_EQ(lastBox().background, std::string(c.caption) == "Correct" ? kGreenBox : kRedBox);
  EXPECT_EQ(lastBox().message, c.text);
  EXPECT_TRUE(messages().empty());
  // The box was shown when the question ended: the type is reset, the
  // question is over and the boxes are locked.
  EXPECT_EQ(p.question.questionType, 0);
  EXPECT_FALSE(p.question.inQuestion);
  EXPECT_TRUE(p.question.answerLocked);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SingleSelection,
    ::testing::Values(
        SelectionCase{"WrongPick", {1}, {{1, kCross}, {2, kTick}}, {"2"}, "wrong", "Wrong",
                      "Look again: it is box 3."},
        SelectionCase{"RightPick", {2}, {{2, kTick}}, {"3"}, "correct", "Correct", "Well done."},
        SelectionCase{"NothingPicked", {}, {{2, kTick}}, {""}, "wrong", "Wrong",
                      "Look again: it is box 3."}),
    [](const auto& info) { return std::string(info.param.name); });

const char* const kMultiple =
    "@question 200,0,4,1,0,1\n"
    "@answer 1,0,1,0\n"
    "@feedback correct\n"
    "All right.\n"
    "@feedback partlycorrect\n"
    "Partly correct: look at the crosses.\n"
    "@feedback wrong\n"
    "Not this time.\n"
    "@question\n";

class MultipleSelection : public QuestionTest,
                          public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(MultipleSelection, MarksEveryBoxAndChoosesOneBlock) {
  const SelectionCase& c = GetParam();
  drawBoxes({"a", "b", "c", "d"});
  start(kMultiple);
  select(c.selected);
  forward();
  EXPECT_EQ(trace.marks, c.marks);
  EXPECT_EQ(trace.lastResponses, c.responses);
  EXPECT_EQ(trace.chosen, std::vector<std::string>{c.block});
  ASSERT_TRUE(boxShown());
  EXPECT_EQ(lastBox().caption, c.caption);
  EXPECT_EQ(lastBox().message, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MultipleSelection,
    ::testing::Values(
        SelectionCase{"PartlyCorrect", {0, 1}, {{0, kTick}, {1, kCross}, {2, kTick}},
                      {"1", "1", "0", "0"}, "partlycorrect", "Partly Correct",
                      "Partly correct: look at the crosses."},
        // Box 4 left out is right only as a box not to select: no right box
        // was chosen, so the answer is wrong, not partly right.
        SelectionCase{"WrongWithNoRightBox", {1}, {{0, kTick}, {1, kCross}, {2, kTick}},
                      {"0", "1", "0", "0"}, "wrong", "Wrong", "Not this time."},
        SelectionCase{"AllRight", {0, 2}, {{0, kTick}, {2, kTick}}, {"1", "0", "1", "0"},
                      "correct", "Correct", "All right."}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Groups ---------------------------------------------------------------

struct GroupCase {
  const char* name;
  int size;
  int boxes;
  const char* key;
  std::vector<int> selected;
  Marks marks;
  std::vector<std::string> responses;
  const char* block;
};
void PrintTo(const GroupCase& c, std::ostream* os) { *os << c.name; }


class Groups : public QuestionTest, public ::testing::WithParamInterface<GroupCase> {};

TEST_P(Groups, OneChoicePerGroup) {
  const GroupCase& c = GetParam();
  drawBoxes(std::vector<std::string>(size_t(c.boxes), "x"));
  start("@question 60,10,4," + std::to_string(c.size) + ",0,1\n@answer " + c.key +
        "\n@feedback correct\nRight.\n@feedback tryagain\nHave another look.\n"
        "@feedback partlycorrect\nPartly right.\n@question\n");
  select(c.selected);
  forward();
  EXPECT_EQ(trace.marks, c.marks);
  EXPECT_EQ(trace.lastResponses, c.responses);
  EXPECT_EQ(trace.chosen, std::vector<std::string>{c.block});
  EXPECT_TRUE(messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Groups,
    ::testing::Values(
        // True/False: a wrong choice gets only a cross.
        GroupCase{"TrueFalseWrong", 2, 4, "1,2", {0, 2}, {{0, kTick}, {2, kCross}}, {"1", "1"},
                  "tryagain"},
        // Three in a group: a cross on the choice and a tick on the right box.
        GroupCase{"ThreeWrong", 3, 6, "2,3", {0, 5}, {{0, kCross}, {1, kTick}, {5, kTick}},
                  {"1", "3"}, "tryagain"},
        // A group left unanswered: "0", a tick on its right box, and no
        // "tryagain" (something counts as unanswered).
        GroupCase{"Unanswered", 3, 6, "2,3", {1}, {{1, kTick}, {5, kTick}}, {"2", "0"},
                  "partlycorrect"},
        GroupCase{"AllRight", 2, 4, "2,1", {1, 2}, {{1, kTick}, {2, kTick}}, {"2", "1"},
                  "correct"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Typed fields --------------------------------------------------------

struct FieldCase {
  const char* typed;
  const char* key;
  const char* response;
  bool right;
  const char* fieldAfter;
};
void PrintTo(const FieldCase& c, std::ostream* os) { *os << "typed " << c.typed << "key " << c.key; }


class TypedFields : public QuestionTest, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(TypedFields, NumbersAreNormalisedAndColoured) {
  const FieldCase& c = GetParam();
  addField(c.typed);
  p.question.questionType = kTypedFields;
  start(std::string("@answer ") + c.key + "\n" + kEnd);
  forward();
  EXPECT_EQ(p.question.responseList[1], c.response);
  EXPECT_EQ(p.regions.answerFieldTable[0].background,
            c.right ? makeRgb(187, 239, 187) : makeRgb(255, 175, 175));
  EXPECT_EQ(p.regions.answerFieldTable[0].text, c.fieldAfter);
  EXPECT_EQ(trace.fields, (Marks{{0, c.right}}));
}

INSTANTIATE_TEST_SUITE_P(Cases, TypedFields,
                         ::testing::Values(FieldCase{"2.50 ", "2.5", "2.5", true, "2.50 "},
                                           FieldCase{".5 ", "0.5", "0.5", true, "0.5 "},
                                           FieldCase{"10 ", "1", "10", false, "10 "},
                                           FieldCase{"2.0 ", "2", "2", true, "2.0 "},
                                           FieldCase{"2. ", "2", "2", true, "2. "},
                                           FieldCase{"-0.250 ", "-0.25", "-0.25", true, "-0.250 "}));

TEST_F(QuestionTest, LetterFieldsAreJudgedByTheirLetter) {
  addField("b ", kLetterField);
  addField("", kLetterField);
  p.question.questionType = kTypedFields;
  start("@answer b,c\n@feedback tryagain\nOne is wrong.\n@question\n");
  forward();
  EXPECT_EQ(trace.lastResponses, (std::vector<std::string>{"b", ""}));
  EXPECT_EQ(trace.fields, (Marks{{0, true}, {1, false}}));
  EXPECT_FALSE(p.question.nothingAnswered);
  EXPECT_EQ(trace.chosen, std::vector<std::string>{"tryagain"});
  // The next question's fields start after these.
  EXPECT_EQ(p.question.firstUnjudgedField, 2);
}

// ---- Word placement and re-ordering ----------------------------------------

TEST_F(QuestionTest, AlternativesAcceptTheWordsInEitherOrder) {
  drawBoxes({"=wave", "=ray", "=peak", "=crest", "=trough", "", ""});
  start("@question 80,0,4,100,0,1\n@answer 1&2=4|5,x\n@feedback correct\nBoth right.\n"
        "@feedback wrong\nNo.\n@feedback partlycorrect\nOne right.\n");
  EXPECT_EQ(p.question.firstTargetBox, 5);
  drop(4, 5);  // word 5 on target 1
  drop(3, 6);  // word 4 on target 2
  forward();
  EXPECT_EQ(trace.lastResponses, (std::vector<std::string>{"5", "4"}));
  EXPECT_EQ(p.question.answerKey[1], "5");
  EXPECT_EQ(p.question.answerKey[2], "4");
  EXPECT_EQ(trace.chosen, std::vector<std::string>{"correct"});
  // Marks come at the end of the run, beside the targets.
  EXPECT_EQ(trace.marks, (Marks{{5, kTick}, {6, kTick}}));
  ASSERT_TRUE(boxShown());
  EXPECT_EQ(lastBox().caption, "Correct");
}

TEST_F(QuestionTest, AlternativesGiveAWordNotPlacedToTheOtherTarget) {
  drawBoxes({"=wave", "=ray", "=peak", "=crest", "=trough", "", ""});
  start("@question 80,0,4,100,0,1\n@answer 1&2=4|5,x\n@feedback partlycorrect\nOne right.\n");
  drop(2, 5);  // word 3 on target 1: wrong
  drop(4, 6);  // word 5 on target 2: right
  forward();
  EXPECT_EQ(p.question.answerKey[1], "4");
  EXPECT_EQ(p.question.answerKey[2], "5");
  EXPECT_EQ(trace.marks, (Marks{{5, kCross}, {6, kTick}}));
  EXPECT_EQ(trace.chosen, std::vector<std::string>{"partlycorrect"});
}

TEST_F(QuestionTest, ExpandAlternativesWithThreeTargets) {
  drawBoxes({"=a", "=b", "=c", "=d", "=e", "=f", "", "", ""});
  p.question.questionType = kWordPlacement;
  p.question.firstTargetBox = 6;
  p.question.answerKey[1] = "1&2&3=4|5|6";
  p.question.responseList[1] = "6";
  p.question.responseList[2] = "1";
  p.question.responseList[3] = "4";
  expandAlternatives(p);
  EXPECT_EQ(p.question.answerKey[1], "6");
  EXPECT_EQ(p.question.answerKey[2], "5");  // left over, first not taken
  EXPECT_EQ(p.question.answerKey[3], "4");
}

// Keys with numbers far past 16 bits name no box and no target (they were
// turned into int as they stood, which is undefined).
TEST_F(QuestionTest, HugeKeyNumbersNameNothing) {
  drawBoxes({"one", "two", "three", "four"});
  start("@question 200,0,4,0,0,1\n@answer 1e10\n@feedback wrong\nNo.\n@question\n");
  select({1});
  forward();
  EXPECT_EQ(trace.marks, (Marks{{1, kCross}}));

  drawBoxes({"=a", "=b", "=c", "", ""});
  p.question.questionType = kWordPlacement;
  p.question.firstTargetBox = 3;
  p.question.answerKey[1] = "1e99&2=1|2";
  p.question.responseList[2] = "2";
  expandAlternatives(p);
  EXPECT_EQ(p.question.answerKey[1], "1e99&2=1|2");  // not a target: left as it was
  EXPECT_EQ(p.question.answerKey[2], "2");
}

TEST_F(QuestionTest, WordsAreComparedByTheirText) {
  // Two boxes with the same word are interchangeable; a key of 0 takes any.
  drawBoxes({"=echo", "=echo", "=pitch", "", "", ""});
  start(std::string("@question 80,0,4,100,0,1\n@answer 1,3,0\n") + kEnd);
  drop(1, 3);
  drop(0, 4);
  forward();
  EXPECT_EQ(trace.marks, (Marks{{3, kTick}, {4, kCross}, {5, kTick}}));
}

TEST_F(QuestionTest, NothingDroppedDrawsNoWordMarks) {
  drawBoxes({"=echo", "=pitch", "", ""});
  start(std::string("@question 80,0,4,100,0,1\n@answer 1,2\n") + kEnd);
  forward();
  EXPECT_TRUE(p.question.nothingAnswered);
  EXPECT_TRUE(trace.marks.empty());
}

TEST_F(QuestionTest, PromptMarksAtOnceAndStops) {
  drawBoxes({"=echo", "=pitch", "", ""});
  start("@question 80,0,4,100,0,1\n@answer 1,2\n@feedback tryagain\nNot yet.\n@prompt\n"
        "@question\nAfter.\n");
  drop(1, 2);  // word 2 on target 1: wrong; target 2 left empty
  forward();
  // Feedback shown first, then every target marked, whatever was answered.
  ASSERT_TRUE(boxShown());
  EXPECT_EQ(lastBox().message, "Not yet.");
  EXPECT_EQ(trace.marks, (Marks{{2, kCross}, {3, kCross}}));
  EXPECT_TRUE(p.question.marksShown);
  EXPECT_FALSE(p.question.feedbackChosen);
  EXPECT_LT(p.engine.scriptPos, p.engine.scriptEnd);  // stopped for the pupil
  // Forward goes on after the prompt without judging the answer again (the
  // feedback reset the question type: judging now would be wrong).
  forward();
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(trace.marks.size(), 2u);
  EXPECT_FALSE(p.question.inQuestion);
  EXPECT_EQ(p.text.textHistory.back().text, "After.");
}

struct ReorderCase {
  const char* name;
  std::vector<int> order;  // positionWord 1..4
  Marks marks;
  const char* block;
};
void PrintTo(const ReorderCase& c, std::ostream* os) { *os << c.name; }


class Reordering : public QuestionTest, public ::testing::WithParamInterface<ReorderCase> {};

TEST_P(Reordering, PositionsAreMarked) {
  const ReorderCase& c = GetParam();
  drawBoxes({"=radio", "=micro", "=light", "=x-ray"});
  start("@question 80,10,0,100,0,1\n@answer 1,2,3,4\n@feedback correct\nIn order.\n"
        "@feedback tryagain\nNot quite.\n");
  EXPECT_EQ(p.question.firstTargetBox, 0);
  for (size_t k = 0; k < c.order.size(); ++k) p.question.positionWord[k + 1] = c.order[k];
  forward();
  EXPECT_EQ(trace.marks, c.marks);
  EXPECT_EQ(trace.chosen, std::vector<std::string>{c.block});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Reordering,
    ::testing::Values(
        ReorderCase{"InOrder", {1, 2, 3, 4}, {{0, kTick}, {1, kTick}, {2, kTick}, {3, kTick}},
                    "correct"},
        // A re-ordering block that is chosen counts as right for the marks.
        ReorderCase{"TwoSwapped", {2, 1, 3, 4}, {{0, kTick}, {1, kTick}, {2, kTick}, {3, kTick}},
                    "tryagain"},
        ReorderCase{"EveryPositionWrong", {2, 1, 4, 3}, {}, "tryagain"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Feedback blocks -------------------------------------------------------

TEST_F(QuestionTest, ASecondCorrectBlockClosesTheFirst) {
  drawBoxes({"a", "b"});
  start("@question 200,0,4,0,0,1\n@answer 1\n@feedback correct\nFirst.\n@picture x.bmp\n"
        "@feedback correct\nSecond.\n@question\n");
  select({0});
  forward();
  EXPECT_EQ(trace.chosen, std::vector<std::string>{"correct"});
  ASSERT_TRUE(boxShown());
  EXPECT_EQ(lastBox().message, "First.");
}

TEST_F(QuestionTest, AutoBlocksCollectWhateverTheAnswer) {
  for (bool right : {true, false}) {
    SCOPED_TRACE(right);
    p.regions.answerBoxTable.clear();
    p.text.textHistory.clear();
    platform.feedbackBoxes.clear();
    drawBoxes({"a", "b"});
    start("@question 200,0,4,0,0,1\n@answer 1\n@feedback auto\nAlways said.\nAnd this.\n"
          "@feedback wrong\nOnly when wrong.\n@question\n");
    select({right ? 0 : 1});
    forward();
    ASSERT_TRUE(boxShown());
    EXPECT_EQ(lastBox().message, "Always said.\rAnd this.");
  }
}

TEST_F(QuestionTest, AFeedbackWordWithACapitalIsSkipped) {
  drawBoxes({"a", "b"});
  start("@question 200,0,4,0,0,1\n@answer 1\n@Feedback correct\nNever collected.\n"
        "@feedback wrong\nWrong.\n@question\n");
  select({0});
  forward();
  EXPECT_TRUE(trace.chosen.empty());
  EXPECT_FALSE(boxShown());
  EXPECT_TRUE(messages().empty());
}

TEST_F(QuestionTest, AutofeedbackPrintsTheBlockOnTheScreen) {
  drawBoxes({"a", "b"});
  start("@autofeedback true\n@question 200,0,4,0,0,1\n@answer 2\n@feedback wrong\n"
        "Not this.\n@feedback correct\nPrinted here.\n@question\n");
  EXPECT_FALSE(p.question.answerLocked);
  select({1});
  const size_t linesBefore = p.text.textHistory.size();
  forward();
  EXPECT_FALSE(boxShown());
  EXPECT_FALSE(p.question.answerLocked);  // the boxes stay clickable
  ASSERT_EQ(p.text.textHistory.size(), linesBefore + 1);
  EXPECT_EQ(p.text.textHistory.back().text, "Printed here.");
}

TEST_F(QuestionTest, AutofeedbackPrintsOnlyTheChosenBlock) {
  drawBoxes({"a", "b"});
  start("@autofeedback true\n@question 200,0,4,0,0,1\n@answer 2\n@feedback correct\n"
        "Printed here.\n@feedback wrong\nNot this.\n@question\nAfter the question.\n");
  select({1});
  const size_t linesBefore = p.text.textHistory.size();
  forward();
  ASSERT_EQ(p.text.textHistory.size(), linesBefore + 2);
  EXPECT_EQ(p.text.textHistory[linesBefore].text, "Printed here.");
  EXPECT_EQ(p.text.textHistory.back().text, "After the question.");
}

struct PatternCase {
  const char* line;
  std::vector<std::string> responses;
  bool nothingAnswered;
  bool chosen;
  bool verdictRight;
};
void PrintTo(const PatternCase& c, std::ostream* os) {
  *os << c.line << " with";
  for (const std::string& r : c.responses) *os << " " << r;
  if (c.nothingAnswered) *os << " unanswered";
}


class FeedbackPatterns : public QuestionTest, public ::testing::WithParamInterface<PatternCase> {};

TEST_P(FeedbackPatterns, ChooseByItem) {
  const PatternCase& c = GetParam();
  QuestionState& q = p.question;
  q.questionType = 3;
  q.answerCount = 3;
  for (int i = 1; i <= 3; ++i) q.answerKey[size_t(i)] = "1";
  for (size_t i = 0; i < c.responses.size(); ++i) q.responseList[i + 1] = c.responses[i];
  q.nothingAnswered = c.nothingAnswered;
  ASSERT_TRUE(tokenizeCommand(p.engine, c.line));
  EXPECT_EQ(feedbackBlockChosen(p), c.chosen);
  EXPECT_EQ(q.verdictRight, c.verdictRight);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FeedbackPatterns,
    ::testing::Values(PatternCase{"@feedback ?,2,?", {"1", "2", "3"}, false, true, false},
                      PatternCase{"@feedback ?,2,?", {"1", "3", "1"}, false, false, false},
                      PatternCase{"@feedback ?,2,?", {"1", "2", "0"}, true, false, false},
                      PatternCase{"@feedback tryagain", {"1", "2", "1"}, false, true, false},
                      PatternCase{"@feedback tryagain", {"1", "2", "0"}, true, false, false},
                      PatternCase{"@feedback tryagain", {"1", "1", "1"}, false, false, true},
                      PatternCase{"@feedback right", {"1", "1", "1"}, false, true, true},
                      PatternCase{"@feedback right", {"2", "1", "1"}, false, false, false},
                      PatternCase{"@feedback allwrong", {"2", "2", "2"}, false, true, false},
                      PatternCase{"@feedback partlyright", {"2", "1", "2"}, false, true, false}));

// ---- Messages to the author ---------------------------------------------------

struct AuthorCase {
  const char* name;
  int type;
  std::vector<std::string> boxes;
  const char* answer;
  std::vector<std::string> messages;
};
void PrintTo(const AuthorCase& c, std::ostream* os) { *os << c.name; }


class AuthorMessages : public QuestionTest, public ::testing::WithParamInterface<AuthorCase> {};

TEST_P(AuthorMessages, AreShownAndJudgingGoesOn) {
  const AuthorCase& c = GetParam();
  drawBoxes(c.boxes);
  start("@question 80,0,4," + std::to_string(c.type) + ",0,1\n@answer " + c.answer + "\n" + kEnd);
  forward();
  EXPECT_EQ(messages(), c.messages);
}

const std::string kQType = "Your answer judging for this QType is incorrect.";

INSTANTIATE_TEST_SUITE_P(
    Cases, AuthorMessages,
    ::testing::Values(
        AuthorCase{"SingleWithTwoItems", 0, {"a", "b"}, "1,2", {kQType}},
        AuthorCase{"MultipleShort", 1, {"a", "b", "c"}, "1,0", {kQType}},
        AuthorCase{"GroupKeyBeyondTheBoxes", 3, {"a", "b", "c"}, "5",
                   {"Check your feedback match information. Does it have 3 ?'s?"}},
        AuthorCase{"WordFillShort", 100, {"=a", "=b", "", ""}, "1",
                   {kQType, "Word fill answer judging parameter is incorrect! Requires-2, Got-1",
                    "Word fill answer judging parameter is incorrect! Requires-2, Got-1"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(QuestionTest, FieldCountMismatchIsReported) {
  addField("1 ");
  addField("2 ");
  p.question.questionType = kTypedFields;
  start(std::string("@answer 1\n") + kEnd);
  forward();
  EXPECT_EQ(messages(), std::vector<std::string>{kQType});
}

// ---- Marks -----------------------------------------------------------------

TEST_F(QuestionTest, MarkPositions) {
  drawBoxes({"a", "b"});
  p.text.boxLayout.width = 201;
  p.text.lineHeight = 21;
  // Box 1: line at (20, 124), height 21: y = 10.5 + 124 - 10.5 + 1.
  EXPECT_EQ(markPosition(p, 1, false), (std::pair{227, 125}));  // 20 + 201 + 6
  EXPECT_EQ(markPosition(p, 1, true), (std::pair{225, 125}));   // words: + 4
  p.question.centreMarks = true;
  EXPECT_EQ(markPosition(p, 1, false), (std::pair{114, 125}));  // 20 + 100.5 - 6, half to even
  p.text.lineHeight = 20;
  EXPECT_EQ(markPosition(p, 0, false), (std::pair{114, 102}));  // 10.5 + 100 - 10 + 1
  EXPECT_FALSE(markPosition(p, 2, false));
}

}  // namespace
}  // namespace vintara::test
