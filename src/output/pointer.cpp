// Pointer interaction: hit tests against the region tables and their actions.
#include "output/pointer.h"

#include "engine/player.h"

namespace vintara {

void resetRegionsForScreen(Player& p) {
  RegionTable& r = p.regions;
  r.nav = {};
  r.navCount = 0;
  r.hotspots.clear();
  r.hotspotsToVisit = 0;
  r.answerBoxTable.clear();
  r.answerFieldTable.clear();
  r.firstField = 0;
  r.inputField = -1;
  r.focusFrame = {};
  r.dropAreas.clear();
  r.dragItems.clear();
  r.dragItemsPlaced = 0;
  r.popdowns.clear();
  r.openPopdown = -1;
  r.popdownForward = false;
  r.popupPopdown = false;
  r.pressedBox = 0;
  r.popupOpen = false;
  r.openHotspot = -1;
  r.hotspotsEnabled = true;
  r.highlightRect.clear();
  r.automoveOn = false;
  p.popup.visible = false;
}

void closeOpenPopup(Player& p) {
  p.regions.popupOpen = false;
  p.regions.openHotspot = -1;
  p.popup.visible = false;
}

void onPointerMove(Player& p, int button, int x, int y) { (void)p, (void)button, (void)x, (void)y; }
void onPointerDown(Player& p, int button, int x, int y) { (void)p, (void)button, (void)x, (void)y; }
void onClick(Player& p) { (void)p; }
void onPointerUp(Player& p, int button, int x, int y) { (void)p, (void)button, (void)x, (void)y; }

}  // namespace vintara
