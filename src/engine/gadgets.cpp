// Position, gadget and bookkeeping commands.
#include "engine/gadgets.h"

#include "engine/command_table.h"
#include "engine/player.h"

namespace vintara {

void cmdAt(Player&) {}
void cmdAtGap(Player&) {}
void cmdSavePos(Player&) {}
void cmdRestorePos(Player&) {}
void cmdDial(Player&) {}
void cmdAmp(Player&) {}
void cmdCreateClock(Player&) {}
void cmdIncreaseClock(Player&) {}
void cmdFlashWords(Player&) {}
void cmdSetHelp(Player&) {}
void cmdGameType(Player&) {}
void cmdData(Player&) {}
void cmdSpellBackground(Player&) {}
void cmdSpellInstructionBackdrop(Player&) {}
// gdf: the game data file name for the next "gamedatafile" (control_flow.cpp).
void cmdGdf(Player& p) { p.control.gameDataName = p.engine.cmdItems[1]; }

void addHelpPair(Player& p, int regionId, int topic) {
  if (p.gadgets.helpPairs.size() < 21) p.gadgets.helpPairs.emplace_back(regionId, topic);
}

void resetGadgetsForScreen(Player& p, bool keepGameData) {
  GadgetState& g = p.gadgets;
  g.helpPairs.clear();
  g.flashWords.clear();
  g.flashActive = false;
  g.dialShown = false;
  g.wordGapCursor = 0;
  if (!keepGameData) g.gameDataLines.clear();
}

void onInternalTimer(Player& p) { (void)p; }

}  // namespace vintara
