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

// Placeholders until the exam menu and pages are built.
void examMenuChoice(Player& p, int choice) { (void)p, (void)choice; }
void examPageChoice(Player& p, int choice) { (void)p, (void)choice; }
void scrollExamList(Player& p, int delta) { (void)p, (void)delta; }

}  // namespace vintara
