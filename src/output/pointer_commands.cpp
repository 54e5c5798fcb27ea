// Commands that declare pointer regions: drop areas, drag items, hotspots, popups, popdown lists.
#include "output/pointer.h"

#include "engine/command_table.h"
#include "engine/interpreter.h"
#include "engine/player.h"
#include "engine/script_errors.h"
#include "engine/script_text.h"
#include "output/pictures.h"
#include "output/rich_text.h"
#include "platform/text_codec.h"

namespace vintara {

namespace {

bool isTrue(const Player& p) { return toLower(commandItem(p, 1)) == "true"; }

// Skips the body of a hotspot or popup block: the run goes on after its end
// line (or ends when there is none).
void skipBody(Player& p, const char* endLine) {
  const int after = findLabel(p.engine, endLine);
  if (after) p.engine.scriptPos = after;
}

std::string pictureName(const std::string& name) {
  const std::string lower = toLower(name);
  return lower == "none" ? std::string() : lower;
}

void declareHotspot(Player& p, bool popup) {
  EngineState& e = p.engine;
  RegionTable& r = p.regions;
  const char* endLine = popup ? "@popupend" : "@hotspotend";
  if (e.cmdItemCount < 5) {
    if (popup)
      scriptError(p, "popupbegin needs x, y, width, height and a picture (or none)");
    else
      p.message("@hotspot requires at least 5 parameters - x,y,w,h,<picture(NONE)>");
    skipBody(p, endLine);
    return;
  }
  if (int(r.hotspots.size()) >= RegionTable::kMaxHotspots) {
    scriptError(p, "a screen has at most 31 hotspots and popups");
    skipBody(p, endLine);
    return;
  }
  // The body ends at its end line; without one the rest of the script
  // would run as the body.
  if (!peekLabel(e, endLine)) {
    scriptError(p, std::string("the block has no ") + endLine + " line");
    e.scriptPos = e.scriptEnd + 1;
    return;
  }
  Hotspot h;
  h.left = numericParam(p, commandItem(p, 1));
  h.top = numericParam(p, commandItem(p, 2));
  h.width = numericParam(p, commandItem(p, 3));
  h.height = numericParam(p, commandItem(p, 4));
  h.picture = pictureName(commandItem(p, 5));
  const bool selectedGiven = !popup && e.cmdItemCount >= 6;
  h.selectedPicture = selectedGiven ? pictureName(commandItem(p, 6)) : std::string();
  h.scriptPos = e.scriptPos;
  h.popup = popup;
  r.hotspots.push_back(h);
  ++r.hotspotsToVisit;
  if (!h.picture.empty() && (!selectedGiven || h.selectedPicture == h.picture))
    printPicture(p, h.left, h.top, h.picture);
  skipBody(p, endLine);
}

}  // namespace

void cmdPopdownForward(Player& p) { p.regions.popdownForward = isTrue(p); }
void cmdPopupPopdown(Player& p) { p.regions.popupPopdown = isTrue(p); }
void cmdAutoMoveOn(Player& p) { p.regions.automoveOn = isTrue(p); }

// droparea x, y, w, h
void cmdDropArea(Player& p) {
  RegionTable& r = p.regions;
  if (int(r.dropAreas.size()) >= RegionTable::kMaxDropAreas) {
    scriptError(p, "a screen has at most 11 drop areas");
    return;
  }
  if (p.engine.cmdItemCount < 4) {
    scriptError(p, "droparea needs x, y, width and height");
    return;
  }
  r.dropAreas.push_back({numericParam(p, commandItem(p, 1)), numericParam(p, commandItem(p, 2)),
                         numericParam(p, commandItem(p, 3)), numericParam(p, commandItem(p, 4))});
}

// dragdropitem x, y, w, h, picture 1, picture 2, picture 3, area: an item
// the pupil drags onto drop area `area` (counted from 1). Picture 1 shows the
// item where it waits.
void cmdDragDropItem(Player& p) {
  if (p.engine.cmdItemCount < 8) {
    scriptError(p, "dragdropitem needs x, y, width, height, three pictures and an area");
    return;
  }
  DragItem d;
  d.left = numericParam(p, commandItem(p, 1));
  d.top = numericParam(p, commandItem(p, 2));
  d.width = numericParam(p, commandItem(p, 3));
  d.height = numericParam(p, commandItem(p, 4));
  d.picture1 = commandItem(p, 5);
  d.picture2 = commandItem(p, 6);
  d.picture3 = commandItem(p, 7);
  d.area = numericParam(p, commandItem(p, 8));
  d.flag = -1;
  p.regions.dragItems.push_back(d);
  printPicture(p, d.left, d.top, d.picture1);
}

// setdragicon file: the work area's drag pointer, from pictures\dragicon\.
void cmdSetDragIcon(Player& p) {
  p.shell.dragPointer = "pictures\\dragicon\\" + commandItem(p, 1);
  p.platform.setDragPointer(p.content.native(p.shell.dragPointer));
}

void cmdHotspotBegin(Player& p) { declareHotspot(p, false); }
void cmdPopupBegin(Player& p) { declareHotspot(p, true); }

// The end of a hotspot or popup body ends the run that shows it.
void cmdHotspotEnd(Player& p) {
  if (p.regions.bodyRunning) endRun(p);
}
void cmdPopupEnd(Player& p) {
  if (p.regions.bodyRunning) endRun(p);
}

// popdown width, title, words: a list button with its title; pressing it
// opens the list of words below it.
void cmdPopdown(Player& p) {
  EngineState& e = p.engine;
  RegionTable& r = p.regions;
  if (int(r.popdowns.size()) >= RegionTable::kMaxPopdowns) {
    scriptError(p, "a screen has at most 7 popdown lists");
    return;
  }
  Popdown pd;
  Surface& s = outputSurface(p);
  pd.x = s.x;
  pd.y = s.y;
  pd.width = numericParam(p, commandItem(p, 1));
  pd.title = commandItem(p, 2);
  for (int i = 3; i <= e.cmdItemCount; ++i) pd.words.push_back(commandItem(p, i));
  const size_t before = r.answerBoxTable.size();
  p.text.popdownWidth = pd.width;
  printText(p, "#f0#o*popdnbo.bmp,*popdnbi.bmp,," + pd.title);
  // The box the line drew is the list's button.
  for (size_t i = before; i < r.answerBoxTable.size(); ++i) r.answerBoxTable[i].kind = 103;
  pd.box = r.answerBoxTable.size() > before ? int(before) : -1;
  r.popdowns.push_back(pd);
}

}  // namespace vintara
