// Control flow commands.
#include "engine/control_flow.h"

#include "engine/command_table.h"
#include "engine/player.h"

namespace vintara {

void cmdGoto(Player&) {}
void cmdLabel(Player&) {}
void cmdSet(Player&) {}
void cmdEndBlock(Player&) {}
void cmdIfPrize(Player&) {}
void cmdLoop(Player&) {}
void cmdEndLoop(Player&) {}
void cmdIfHigher(Player&) {}
void cmdIfSingle(Player&) {}
void cmdIfDouble(Player&) {}
void cmdIfLower(Player&) {}
void cmdIfQScore(Player&) {}
void cmdIfFailedGrade(Player&) {}
void cmdIfQuiz(Player&) {}
void cmdIfPackage(Player&) {}
void cmdCount(Player&) {}
void cmdCase(Player&) {}
void cmdWait(Player&) {}
void cmdGameDataFile(Player&) {}

void onWaitTimer(Player& p) { (void)p; }

}  // namespace vintara
