// Question commands.
#include "assess/judging.h"

#include "engine/command_table.h"
#include "engine/player.h"

namespace vintara {

void cmdAutoFeedback(Player&) {}
void cmdPartScore(Player&) {}
void cmdForceUpperCase(Player&) {}
void cmdCenterTick(Player&) {}
void cmdClearAnswer(Player&) {}
void cmdEndQuestion(Player&) {}
void cmdQuestion(Player&) {}
void cmdPrompt(Player&) {}
void cmdAnswer(Player&) {}
void cmdFeedback(Player&) {}


}  // namespace vintara
