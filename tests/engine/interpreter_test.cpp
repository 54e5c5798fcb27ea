#include <gtest/gtest.h>

#include <regex>

#include "engine/command_table.h"
#include "engine/interpreter.h"
#include "engine/script_errors.h"
#include "engine_fixture.h"
#include "platform/text_codec.h"

namespace vintara {
namespace {

using Lines = std::vector<std::string>;

class InterpreterTest : public test::EngineTest {};

TEST(CommandTable, EveryWordInTheOrderTheyAreTested) {
  const std::vector<std::string> words = {
      "goto", "label", "backdrop", "set", "endif", "ifprize", "loop", "endloop", "goforward",
      "goback", "playgame", "at", "line", "atgraphic", "clspicture", "erasepicture", "picture",
      "picturefx", "slowpicturefx", "splatpicture", "qpicture", "page", "printicon", "print",
      "autofeedback", "popdownforward", "popuppopdown", "flashwords", "droparea", "dragdropitem",
      "ifhigher", "ifsingle", "ifdouble", "iflower", "endhigher", "endlower", "endsingle",
      "enddouble", "toolbox", "exampages", "virtualcircuit", "createanimate", "startanimate",
      "animatetime", "xanimatetime", "dial", "amp", "quizmode", "quizanimate", "displayquizscore",
      "ifqscore", "displayquiztime", "displayquizboard", "iffailedgrade", "endif", "setdragicon",
      "stylebackdrop", "quizright", "spellbackground", "spellinstructionbackdrop", "onequestion",
      "partscore", "resetsystem", "sethelp", "forceuppercase", "navsound", "centertick",
      "replacetick", "ifquiz", "circuit", "count", "showstars", "createclock", "increaseclock",
      "clearanswer", "ifpackage", "option", "nextscreen", "rerunscreen", "score", "maxscore",
      "recommendation", "endquestion", "question", "atgap", "box", "compasshotspot", "erase",
      "preserve", "restorepos", "savepos", "restore", "more", "gametype", "data", "prompt",
      "answer", "textgap", "feedback", "playsoundfile", "waitforsoundtofinish", "hotspotbegin",
      "hotspotend", "gdf", "gamedatafile", "popupbegin", "popupend", "automoveon",
      "onforwardnextscreen", "onforwardgotomenu", "internalexecute", "repeat", "animation",
      "onforwardgoto", "popdown", "onforwardreturn", "return", "wait", "disable", "disabled",
      "enable", "case", "endcase", "removelastnavigation", "don't evaluate"};
  std::vector<std::string> table;
  for (const auto& c : commandTable()) table.push_back(c.word);
  EXPECT_EQ(table, words);
  // Found in any case; a duplicated word selects its first entry.
  for (const auto& c : commandTable()) {
    std::string upper = c.word;
    for (auto& ch : upper) ch = char(std::toupper((unsigned char)ch));
    const CommandInfo* found = findCommandAnyCase(upper);
    ASSERT_NE(found, nullptr) << c.word;
    EXPECT_EQ(std::string(found->word), c.word);
    if (found != &c) {
      EXPECT_EQ(found->handler, c.handler) << c.word;
    }
  }
  EXPECT_EQ(findCommandAnyCase("gotox"), nullptr);
  EXPECT_EQ(findCommandAnyCase(std::string(60, 'a')), nullptr);
}

TEST_F(InterpreterTest, CommentOnlyScriptStillEndsItsRun) {
  p().run.templateForward = true;
  run("' a comment\n\n'another\n");
  EXPECT_TRUE(drawn().empty());
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(p().nav.layoutStack.size(), 1u);  // saveLayout of the end of a run
  EXPECT_FALSE(p().engine.scriptRunning);
  EXPECT_FALSE(p().run.templateForward);
}

TEST_F(InterpreterTest, EmptyScriptOnlySetsTheSurface) {
  p().run.templateForward = true;
  for (int start : {0, 1}) {
    EngineState& e = p().engine;
    e.scriptText = start ? "x\r\n" : "";
    e.scriptEnd = int(e.scriptText.size());
    e.scriptPos = start ? 4 : 1;  // beyond the end, or an empty text
    executeProgramScript(p(), &p().popup);
    EXPECT_EQ(e.outputSurface, &p().popup);
    EXPECT_TRUE(drawn().empty());
    EXPECT_TRUE(p().nav.layoutStack.empty());
    EXPECT_TRUE(p().run.templateForward);
  }
}

TEST_F(InterpreterTest, UnknownWordIsReportedAndTheRunGoesOn) {
  run("@Foo 1,2\nnext\n");
  ASSERT_EQ(messages(), Lines{"Don't reconize command Foo"});
  EXPECT_EQ(platform.messages[0].buttons, Buttons::Ok);
  EXPECT_EQ(drawn(), Lines{"next"});
}

TEST_F(InterpreterTest, TextLinesAndCommandsWhileAQuestionIsOpen) {
  struct Case {
    bool inQuestion, chosen, closed, autoFeedback;
    std::string line;
    std::string wordAfter;  // cmdItems[0] after the line ("" for a text line)
    bool ran;               // the command ran / the text was drawn
    std::string feedback;   // feedbackText afterwards
  } cases[] = {
      {false, false, false, false, "@set a,5", "set", true, ""},
      {true, false, false, false, "@set a,5", "Don't Evaluate", false, ""},
      {true, true, false, false, "@set a,5", "set", true, ""},
      {true, true, true, false, "@set a,5", "Don't Evaluate", false, ""},
      {true, false, false, false, "@feedback right", "feedback", false, ""},
      {true, false, false, false, "@answer 1", "answer", false, ""},
      {true, false, false, false, "@question", "question", false, ""},
      {true, false, false, false, "@Feedback right", "Don't Evaluate", false, ""},
      {false, false, false, false, "Some text", "", true, ""},
      {true, false, false, false, "Some text", "", false, ""},
      {true, true, false, false, "Some text", "", false, "old\rSome text"},
      {true, true, true, false, "Some text", "", false, "old"},
      {true, true, false, true, "Some text", "", true, "old"},
  };
  for (const auto& c : cases) {
    drawn().clear();
    p().engine.scriptVars[1] = 0;
    p().engine.cmdItems[0].clear();
    QuestionState& q = p().question;
    q.inQuestion = c.inQuestion;
    q.feedbackChosen = c.chosen;
    q.feedbackClosed = c.closed;
    q.autoFeedback = c.autoFeedback;
    q.feedbackText = "old";
    runScriptLine(p(), c.line);
    const std::string what = c.line + " " + std::to_string(c.inQuestion) + std::to_string(c.chosen) +
                             std::to_string(c.closed) + std::to_string(c.autoFeedback);
    EXPECT_EQ(p().engine.cmdItems[0], c.wordAfter) << what;
    if (c.line.rfind("@set", 0) == 0) {
      EXPECT_EQ(p().engine.scriptVars[1], c.ran ? 5 : 0) << what;
    } else if (c.line[0] != '@') {
      EXPECT_EQ(drawn().size(), c.ran ? 1u : 0u) << what;
      EXPECT_EQ(q.feedbackText, c.feedback.empty() ? "old" : c.feedback) << what;
    }
  }
  EXPECT_TRUE(messages().empty());
}

TEST_F(InterpreterTest, RunawayRunIsEndedNamingScriptAndLine) {
  run("start\n@label top\n@goto top\nnever\n");
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_TRUE(std::regex_match(messages()[0],
                               std::regex("Script error in test script, line [23]: the script ran " +
                                          std::to_string(kRunawayLineLimit) +
                                          " lines without stopping for the pupil and was ended\\.")))
      << messages()[0];
  EXPECT_EQ(drawn(), Lines{"start"});
  EXPECT_FALSE(p().engine.scriptRunning);
  EXPECT_TRUE(p().nav.layoutStack.empty());  // no end-of-run steps

  // The next run starts with a fresh count.
  platform.messages.clear();
  run("after\n");
  EXPECT_EQ(drawn(), (Lines{"start", "after"}));
  EXPECT_TRUE(messages().empty());
}

TEST_F(InterpreterTest, LineWithTooManyParametersIsReportedAndSkipped) {
  std::string many = "@set a";
  for (int i = 0; i < 100; ++i) many += ",1";
  run("@set a,3\n" + many + "\nafter\n");
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0],
            "Script error in test script, line 2: the command line has more than 100 parameters; "
            "it is ignored.");
  EXPECT_EQ(p().engine.scriptVars[1], 3);
  EXPECT_EQ(drawn(), Lines{"after"});
}

TEST_F(InterpreterTest, ScriptErrorIsReportedOncePerLine) {
  run("@loop 3\n@set 1,2\n@endloop\n@set 2,2\n");
  EXPECT_EQ(messages(), (Lines{"Script error in test script, line 2: \"1\" is not a variable a to z; "
                               "the line is ignored.",
                               "Script error in test script, line 4: \"2\" is not a variable a to z; "
                               "the line is ignored."}));
}

}  // namespace
}  // namespace vintara
