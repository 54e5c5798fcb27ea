// A question on a Player over the fake platform: answer boxes and fields are
// put straight into the tables the renderer fills, the script runs to its
// answer line, and forward() continues it as Forward does.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "assess/judging.h"
#include "engine/interpreter.h"
#include "engine/player.h"
#include "engine/trace.h"
#include "platform/fake/fake_platform.h"
#include "support/test_support.h"

namespace vintara::test {

// Records what judging tells the session player.
class JudgingTrace : public Trace {
 public:
  std::vector<std::pair<int, bool>> marks;  // box, tick
  std::vector<std::string> lastResponses;
  std::vector<std::string> chosen;
  std::vector<std::pair<std::string, std::string>> shown;  // verdict, text
  std::vector<std::pair<int, bool>> fields;

  void markDrawn(int box, bool tick) override { marks.emplace_back(box, tick); }
  void responses(const std::vector<std::string>& items) override { lastResponses = items; }
  void feedbackChosen(const std::string& word) override { chosen.push_back(word); }
  void feedbackShown(const std::string& verdict, const std::string& text) override {
    shown.emplace_back(verdict, text);
  }
  void fieldJudged(int field, bool right) override { fields.emplace_back(field, right); }
};

using Marks = std::vector<std::pair<int, bool>>;
constexpr bool kTick = true, kCross = false;

class QuestionTest : public ::testing::Test {
 protected:
  QuestionTest() {
    p.trace = &trace;
    // Ticks, crosses and the other pictures: a small key-coloured square.
    platform.imageLoader = [](const std::string&) { return Image(10, 10, kKeyColour); };
  }

  // Answer boxes one under another; box i is drawn by history line i + 1.
  // A text starting with "=" is a box holding a word (state -1); "" an
  // empty box.
  void drawBoxes(const std::vector<std::string>& texts) {
    for (const std::string& t : texts) {
      const int i = int(p.regions.answerBoxTable.size());
      const bool word = !t.empty() && t[0] == '=';
      p.text.textHistory.push_back({20, 100 + 24 * i, "#O" + (word ? t.substr(1) : t), 0});
      AnswerBox box;
      box.x = 29;
      box.y = 100 + 24 * i;
      box.width = 200;
      box.height = 21;
      box.line = int(p.text.textHistory.size());
      box.state = word ? -1 : 0;
      p.regions.answerBoxTable.push_back(box);
    }
  }
  void select(const std::vector<int>& boxes) {
    for (int b : boxes) p.regions.answerBoxTable[size_t(b)].state = 1;
  }
  // A word dropped on a target: the target holds the word's number and text.
  void drop(int word, int target) {
    auto& boxes = p.regions.answerBoxTable;
    boxes[size_t(target)].state = word + 1;
    p.text.textHistory[size_t(boxes[size_t(target)].line - 1)].text =
        p.text.textHistory[size_t(boxes[size_t(word)].line - 1)].text;
  }
  void addField(const std::string& text, int kind = kNumberField) {
    AnswerField f;
    f.text = text;
    f.kind = kind;
    p.regions.answerFieldTable.push_back(f);
  }

  void start(const std::string& script) { runScriptText(p, script); }
  void forward() { executeProgramScript(p, &p.workArea); }

  bool boxShown() const { return !platform.feedbackBoxes.empty(); }
  const FeedbackLayout& lastBox() const { return platform.feedbackBoxes.back().first; }
  std::vector<std::string> messages() const { return platform.messageTexts(); }

  FakePlatform platform;
  Player p{platform};
  JudgingTrace trace;
};

}  // namespace vintara::test
