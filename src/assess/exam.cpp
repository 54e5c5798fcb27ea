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

}  // namespace vintara
