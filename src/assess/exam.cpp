// Exam papers, grades and printing.
#include "assess/exam.h"

#include "engine/command_table.h"
#include "engine/gadgets.h"
#include "engine/navigation.h"
#include "engine/player.h"

namespace vintara {

// page: an exam question page with the bottom bar and the exam's own Back
// region (target 9000).
void cmdPage(Player& p) {
  setUpExamPage(p);
  runBottomBar(p);
  EngineState& e = p.engine;
  const char* items[] = {"0", "0", "50", "400", "9000"};
  for (int i = 1; i <= 5; ++i) e.cmdItems[size_t(i)] = items[i - 1];
  e.cmdItemCount = 5;
  cmdGoBack(p);
  drawButtonStatus(p);
  addHelpPair(p, 10000, p.gadgets.lastHelpTopic);
}
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

// Placeholders until the exam pages are built: no answers shown, captions
// printed, no ticks stored, no grade, nothing recorded.
bool examAnswersShown(const Player& p) { (void)p; return false; }
bool examCaptionsSuppressed(const Player& p) { (void)p; return false; }
bool examTickState(const Player& p, int question, int box) {
  (void)p, (void)question, (void)box;
  return false;
}
void setExamTickState(Player& p, int question, int box, bool ticked) {
  (void)p, (void)question, (void)box, (void)ticked;
}
std::string examGrade(Player& p) { (void)p; return {}; }
void recordExamResult(Player& p) { (void)p; }
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
// Placeholders until the exam menu and pages are built.
void examMenuChoice(Player& p, int choice) { (void)p, (void)choice; }
void examPageChoice(Player& p, int choice) { (void)p, (void)choice; }
void scrollExamList(Player& p, int delta) { (void)p, (void)delta; }
// Placeholders until exam pages are built: the exam page set-up will record
// the folder of the exam file it runs; until then the data folder stands in.
std::string examPictureFolder(const Player& p) { return p.content.dataFolder; }
int examPrintOffset(const Player& p) { (void)p; return 0; }

}  // namespace vintara
