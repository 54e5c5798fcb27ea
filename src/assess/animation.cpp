// Picture sequences and tutor characters.
#include "assess/animation.h"

#include "engine/command_table.h"
#include "engine/player.h"

namespace vintara {

void cmdCreateAnimate(Player&) {}
void cmdStartAnimate(Player&) {}
void cmdAnimateTime(Player&) {}
void cmdXAnimateTime(Player&) {}
void cmdAnimation(Player&) {}

void resetCharacterAnimation(Player& p) { (void)p; }
// Placeholders until the tutor character is built.
void finishCharacterAnimation(Player& p) { (void)p; }
bool tutorInUse(const Player& p) {
  (void)p;
  return false;
}
int tutorState(const Player& p) {
  (void)p;
  return 0;
}
void onAnimationTimer(Player& p) { (void)p; }

}  // namespace vintara
