// Quiz mode.
#include "assess/quiz.h"

#include "engine/command_table.h"
#include "engine/player.h"

namespace vintara {

void cmdQuizMode(Player&) {}
void cmdQuizAnimate(Player&) {}
void cmdDisplayQuizScore(Player&) {}
void cmdDisplayQuizTime(Player&) {}
void cmdDisplayQuizBoard(Player&) {}
void cmdQuizRight(Player&) {}
void cmdResetSystem(Player&) {}

// Placeholder until quiz judging is built: Forward goes on as usual.
bool judgeQuizAnswer(Player& p) {
  (void)p;
  return false;
}

void resetQuizState(Player& p) {
  p.question.quizMode = false;
  p.question.quizScore = 0;
  p.question.quizQuestionNumber = 0;
}

}  // namespace vintara
