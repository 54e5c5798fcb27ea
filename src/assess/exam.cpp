// Exam papers, grades and printing.
#include "assess/exam.h"

#include "engine/command_table.h"
#include "engine/player.h"

namespace vintara {

void cmdPage(Player&) {}
void cmdPrint(Player&) {}
void cmdExamPages(Player&) {}
void cmdOneQuestion(Player&) {}
void cmdOption(Player&) {}
void cmdScore(Player&) {}
void cmdMaxScore(Player&) {}
void cmdRecommendation(Player&) {}
void cmdMore(Player&) {}
void cmdInternalExecute(Player&) {}

void setUpExamPage(Player& p) { (void)p; }

// Placeholder until the exam papers are built: the grade bands and the
// pupil's target grade belong to the exam code. Until then every result
// passes, so "iffailedgrade" blocks are skipped.
bool gradeTestPasses(Player& p, int percent) {
  (void)p, (void)percent;
  return true;
}

// Placeholder until the exam papers are built: no exam page is chosen yet.
std::string examPageFilePath(Player& p, bool plusForm) {
  (void)p, (void)plusForm;
  return {};
}

}  // namespace vintara
