// Question commands: the layout and type of a question, its answer key, the
// feedback blocks, and the settings of marks and feedback.
#include <algorithm>

#include "assess/judging.h"
#include "engine/command_table.h"
#include "engine/interpreter.h"
#include "engine/navigation.h"
#include "engine/player.h"
#include "engine/script_errors.h"
#include "engine/script_text.h"
#include "platform/text_codec.h"

namespace vintara {

namespace {

// A command waiting for the pupil stops only when the screen is not being
// replayed up to a later point.
bool stopsHere(const Player& p) { return p.engine.scriptPos >= p.run.resumePos; }

}  // namespace

void cmdAutoFeedback(Player& p) {
  QuestionState& q = p.question;
  q.autoFeedback = p.engine.cmdItemCount >= 1 && toLower(p.engine.cmdItems[1]) == "true";
  q.answerLocked = !q.autoFeedback;
}

void cmdPartScore(Player& p) {
  const EngineState& e = p.engine;
  if (e.cmdItemCount < 2) {
    scriptError(p, "partscore needs a part and a score");
    return;
  }
  const int part = strictInt16(p, e.cmdItems[1], -1);
  const int score = strictInt16(p, e.cmdItems[2]);
  if (part < 0 || part >= QuestionState::kMaxParts) {
    scriptError(p, "partscore: part " + e.cmdItems[1] + " is not from 0 to " +
                       std::to_string(QuestionState::kMaxParts - 1));
    return;
  }
  p.question.partScores[size_t(part)] = score;
}

void cmdForceUpperCase(Player& p) {
  if (p.engine.cmdItemCount < 1) {
    scriptError(p, "forceuppercase needs a target number");
    return;
  }
  const int n = strictInt16(p, p.engine.cmdItems[1], -1);
  if (n < 0 || n > 24) {
    scriptError(p, "forceuppercase: target " + p.engine.cmdItems[1] + " is not from 0 to 24");
    return;
  }
  p.question.capitaliseTarget[size_t(n)] = true;
}

void cmdCenterTick(Player& p) { p.question.centreMarks = true; }

void cmdClearAnswer(Player& p) {
  p.question.answerLocked = false;
  p.question.quizAnswerClosed = true;
}

void cmdEndQuestion(Player&) {}

void cmdQuestion(Player& p) {
  QuestionState& q = p.question;
  const EngineState& e = p.engine;
  if (e.cmdItemCount == 0) {
    // The end of the question.
    if (!q.feedbackText.empty()) showFeedback(p);
    q.inQuestion = q.feedbackChosen = q.feedbackClosed = false;
    q.feedbackText.clear();
    return;
  }
  if (e.cmdItemCount < 6)
    scriptError(p, "question needs box width, horizontal gap, vertical gap, question type, "
                   "no-centre and lines");
  BoxLayout& b = p.text.boxLayout;
  const auto number = [&](int i, int current) {
    return i <= e.cmdItemCount ? strictInt16(p, e.cmdItems[size_t(i)], current) : current;
  };
  b.width = number(1, b.width);
  b.horizontalGap = number(2, b.horizontalGap);
  b.verticalGap = number(3, b.verticalGap);
  b.perRow = number(4, b.perRow);
  b.noCentre = number(5, b.noCentre);
  b.lines = number(6, b.lines);
  b.style = number(7, 0);
  b.background = e.cmdItemCount >= 8 ? toLower(e.cmdItems[8]) : "white";
  b.textColour = number(9, 15);
  b.highlightColour = number(10, 14);
  q.questionType = b.perRow;
}

void cmdPrompt(Player& p) {
  QuestionState& q = p.question;
  const int type = q.questionType;  // showing feedback resets it
  if (!q.feedbackText.empty()) showFeedback(p);
  const bool stop = stopsHere(p);
  p.run.forwardPressed = false;
  if (q.inQuestion && !q.autoFeedback && type == kWordPlacement) markWordPlacementNow(p);
  q.feedbackChosen = q.feedbackClosed = false;
  q.marksShown = true;
  if (stop) {
    saveLayout(p);
    endRun(p);
  }
}

void cmdAnswer(Player& p) {
  QuestionState& q = p.question;
  const EngineState& e = p.engine;
  if (e.cmdItemCount > QuestionState::kMaxItems)
    scriptError(p, "answer has more than " + std::to_string(QuestionState::kMaxItems) + " items");
  const int n = std::min(e.cmdItemCount, QuestionState::kMaxItems);
  for (int i = 1; i <= n; ++i) q.answerKey[size_t(i)] = e.cmdItems[size_t(i)];
  q.answerCount = n;
  q.answerJudged = false;
  q.inQuestion = true;
  q.feedbackChosen = false;
  q.feedbackText.clear();
  // The boxes are drawn by now: word placement targets start at the first
  // empty one.
  if (q.questionType == kWordPlacement) q.firstTargetBox = findFirstTargetBox(p);
  if (stopsHere(p) && !q.feedbackMet) endRun(p);
}

void cmdFeedback(Player& p) {
  QuestionState& q = p.question;
  const EngineState& e = p.engine;
  if (e.cmdItemCount >= 1 && e.cmdItems[1] == "auto") {
    // An automatic block: its text is collected whatever the answer.
    q.feedbackChosen = true;
    q.inQuestion = true;
    q.feedbackText.clear();
    q.feedbackClosed = false;
    p.trace->feedbackChosen("auto");
    return;
  }
  q.feedbackMet = true;
  if (q.feedbackChosen) {
    q.feedbackClosed = true;  // the chosen block ends here
  } else if (feedbackBlockChosen(p)) {
    q.feedbackChosen = true;
    p.trace->feedbackChosen(e.cmdItemCount >= 1 ? joinParams(e, 1) : std::string());
  }
  q.answerLocked = !q.autoFeedback;
}

}  // namespace vintara
