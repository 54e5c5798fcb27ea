// Judging answers and choosing feedback.
#include "assess/judging.h"

#include "engine/command_table.h"
#include "engine/player.h"

namespace vintara {


void judgeAnswer(Player& p) { (void)p; }
void judgeCircuit(Player& p) { (void)p; }
void markWordPlacement(Player& p) { (void)p; }
void showFeedback(Player& p) { p.question.feedbackText.clear(); }
void applySelectionRules(Player& p, int box) { (void)p, (void)box; }
void resetQuestionForScreen(Player& p) {
  QuestionState& q = p.question;
  q.inQuestion = q.feedbackChosen = q.feedbackClosed = q.marksShown = false;
  q.firstTargetBox = 0;
  q.firstUnjudgedField = 0;
  for (int k = 1; k <= 10; ++k) q.positionWord[size_t(k)] = k;
}

}  // namespace vintara
