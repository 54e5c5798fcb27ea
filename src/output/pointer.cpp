// Pointer interaction: hit tests against the region tables and their actions.
#include "output/pointer.h"
#include "output/pointer_internal.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "assess/animation.h"
#include "assess/exam.h"
#include "assess/judging.h"
#include "assess/sound.h"
#include "engine/interpreter.h"
#include "engine/navigation.h"
#include "engine/numbers.h"
#include "engine/player.h"
#include "output/fields.h"
#include "output/pictures.h"
#include "output/rich_text.h"
#include "platform/text_codec.h"
#include "tools/circuit_toolbox.h"

namespace vintara {

// ---- Shared with the drop handlers (pointer_internal.h) ----

// Answer boxes, edges included.
bool insideBox(const AnswerBox& b, int x, int y) {
  return b.x <= x && x <= b.x + b.width && b.y <= y && y <= b.y + b.height;
}

bool insideField(const AnswerField& f, int x, int y) {
  return f.left < x && x < f.right && f.top < y && y < f.bottom;
}

const Image* pictureOf(Player& p, std::string_view name, int* slotOut) {
  const int slot = loadPicture(p, name);
  if (slotOut) *slotOut = slot;
  return slot ? pictureInSlot(p, slot) : nullptr;
}

std::string lineText(const Player& p, int historyLine) {
  const auto& h = p.text.textHistory;
  return historyLine >= 1 && historyLine <= int(h.size()) ? h[size_t(historyLine - 1)].text : std::string();
}

// The spelling word strip: where the pupil builds the word.
constexpr int kStripLeft = 226, kStripTop = 318, kStripRight = 542, kStripBottom = 351;
const FontSpec kStripFont{"arial", 18, true};

std::vector<int> letterEdges(Player& p, const std::string& word) {
  std::vector<int> edges{kStripLeft + 4};
  for (char c : word) edges.push_back(edges.back() + p.platform.textWidth(std::string(1, c), kStripFont));
  return edges;
}

void redrawSpellWord(Player& p) {
  Surface& s = p.workArea;
  const int w = kStripRight - kStripLeft + 1, h = kStripBottom - kStripTop + 1;
  restoreRect(p, s, kStripLeft, kStripTop, w, h);
  p.platform.drawText(s.drawing, kStripLeft + 4, kStripTop + 4, p.regions.spellWord, kStripFont, 0);
  refreshRect(p, kStripLeft, kStripTop, w, h);
}

bool inStrip(int x, int y) {
  return x >= kStripLeft && x <= kStripRight && y >= kStripTop && y <= kStripBottom;
}

namespace {

// Navigation regions: strict on x, inclusive on y.
bool insideNav(const NavRegion& r, int x, int y) {
  return r.left < x && x < r.right && r.top <= y && y <= r.bottom;
}
bool insideHotspot(const Hotspot& h, int x, int y) {
  return h.left < x && x < h.left + h.width && h.top <= y && y <= h.top + h.height;
}

bool printing(const Player& p) { return p.engine.outputSurface && p.engine.outputSurface->isPrinter(); }

// Regions 4 and 5 (index and formula sheet) do not react on exam pages.
bool regionIgnored(const Player& p, int i) { return p.nav.examPageMode && (i == 4 || i == 5); }

// The enabled navigation region under the point, the last created first.
int navRegionAt(const Player& p, int x, int y) {
  const RegionTable& r = p.regions;
  for (int i = r.navCount; i >= 1; --i) {
    const NavRegion& n = r.nav[size_t(i)];
    if (!n.disabled && !regionIgnored(p, i) && insideNav(n, x, y)) return i;
  }
  return 0;
}

int hotspotAt(const Player& p, int x, int y) {
  const RegionTable& r = p.regions;
  if (!r.hotspotsEnabled) return -1;
  for (int i = int(r.hotspots.size()) - 1; i >= 0; --i)
    if (insideHotspot(r.hotspots[size_t(i)], x, y)) return i;
  return -1;
}

bool targetIn50To80(const Player& p, const NavRegion& n) {
  auto v = strictNumber(n.target, p.text.decimalSeparator);
  return v && *v >= 50 && *v <= 80;
}

// A point over the shown popup panel is taken in the panel's pixels.
void toSurfacePoint(Player& p, int& x, int& y) {
  const Surface& pu = p.popup;
  const Rect& pl = pu.placement;
  p.regions.pointerOnPopup =
      pu.visible && x >= pl.x && x < pl.right() && y >= pl.y && y < pl.bottom();
  if (p.regions.pointerOnPopup) {
    x -= pl.x;
    y -= pl.y;
  }
}

// ---- Navigation region pictures ----

void showNavOverlay(Player& p, int region, const std::string& picture, bool pressed) {
  dropNavOverlay(p);
  int slot = 0;
  const Image* img = pictureOf(p, picture, &slot);
  if (!img) return;
  RegionTable& r = p.regions;
  const NavRegion& n = r.nav[size_t(region)];
  const Rect rect{n.left + 1, n.top + 1, img->width(), img->height()};
  r.overlaySaved = Image(rect.w, rect.h);
  r.overlaySaved.copyFrom(p.workArea.drawing, rect, 0, 0);
  drawTransparent(p, p.workArea, slot, rect.x, rect.y, true);
  refreshRect(p, rect.x, rect.y, rect.w, rect.h);
  r.overlayRegion = region;
  r.overlayPressed = pressed;
  r.overlayRect = rect;
}

// ---- Hotspot hover pictures ----

// The selected picture goes (all of it, even where it is larger than the
// normal one) and the normal picture, if any, comes back.
void restoreHotspot(Player& p, Hotspot& h) {
  Surface& s = p.workArea;
  const Image* sel = pictureOf(p, h.selectedPicture);
  const int w = sel ? sel->width() : h.width, hh = sel ? sel->height() : h.height;
  restoreRect(p, s, h.left, h.top, w, hh);
  refreshRect(p, h.left, h.top, w, hh);
  if (!h.picture.empty()) drawPictureAt(p, s, h.picture, h.left, h.top, false);
  h.highlighted = false;
}

void updateHotspotHover(Player& p, int x, int y) {
  RegionTable& r = p.regions;
  for (Hotspot& h : r.hotspots) {
    if (h.selectedPicture.empty() || h.selectedPicture == h.picture) continue;
    const bool in = r.hotspotsEnabled && insideHotspot(h, x, y);
    if (in && !h.highlighted) {
      const Image* sel = pictureOf(p, h.selectedPicture);
      if (!sel) {
        if (!h.highlightFailed) {
          h.highlightFailed = true;
          p.message(std::string("Failed to load objectHilite.picture. ") + kCdText);
        }
        continue;
      }
      drawPictureAt(p, p.workArea, h.selectedPicture, h.left, h.top, false);
      h.highlighted = true;
      r.highlightRect = std::to_string(h.left) + "," + std::to_string(h.top) + "," +
                        std::to_string(sel->width()) + "," + std::to_string(sel->height());
    } else if (!in && h.highlighted) {
      restoreHotspot(p, h);
      r.highlightRect.clear();
    }
  }
}

// ---- Press ----

void whatsThis(Player& p, int topic) {
  if (topic <= 0) return;
  p.regions.whatsThisTopic = topic;
  p.platform.showWhatsThisMenu(topic);
}

// The "What's this?" topic of the tutor in the lower-left corner.
int tutorTopic(int state) {
  if (state >= 1 && state <= 12) return 119;
  if (state >= 40 && state <= 49) return 120;
  if (state >= 20 && state <= 30) return 121;
  if (state >= 120 && state <= 129) return 122;
  if (state >= 100 && state <= 114) return 123;
  if (state >= 140 && state <= 149) return 124;
  if (state >= 80 && state <= 91) return 125;
  return 0;
}

// The What's-this topic of a Forward (or Back) button.
int buttonTopic(const Player& p, const NavRegion& n, bool back) {
  const std::string pressed = toLower(n.pressedPicture);
  if (pressed == "*forwdep.bmp") return 114;
  if (pressed == "*backdep.bmp") return 115;
  auto target = strictNumber(n.target, p.text.decimalSeparator);
  if (!target) return 0;
  const int id = int(*target) + (back ? 1000 : 0);
  for (const auto& [region, topic] : p.gadgets.helpPairs)
    if (region == id) return topic;
  return 0;
}

void pressAnswerBox(Player& p, int button, int i) {
  RegionTable& r = p.regions;
  QuestionState& q = p.question;
  AnswerBox& b = r.answerBoxTable[size_t(i)];
  const bool ordinary = b.kind == 0 && p.nav.engineMode != 10 && p.nav.engineMode != 11 && !r.popupOpen;
  if (ordinary) {
    if (button != 1 || q.answerLocked || q.quizAnswerClosed) return;
    p.trace->regionHit("answer box", i);
    if (q.questionType == 100) {
      // Word placement: a box holding a word is dragged.
      if (b.state == -1) r.drag = {lineText(p, b.line), kWordPayloadFirst + 1 + i};
    } else {
      applySelectionRules(p, i);
    }
  } else if (button == 1 && b.state == 0) {
    printTextLine(p, false, b.line);
    r.pressedBox = i + 1;
  }
}

// ---- Click ----

void drawPopdownRows(Player& p, int list) {
  RegionTable& r = p.regions;
  Popdown& pd = r.popdowns[size_t(list)];
  const AnswerBox& b = r.answerBoxTable[size_t(pd.box)];
  Surface& s = p.workArea;
  constexpr int kRowHeight = 20;
  const int top = b.y + b.height;
  const Image* left = pictureOf(p, "*popdownl.bmp");
  const Image* middle = pictureOf(p, "*popdownm.bmp");
  const Image* right = pictureOf(p, "*popdownr.bmp");
  const int lw = left ? left->width() : 0, rw = right ? right->width() : 0;
  const int mw = middle ? std::max(1, middle->width()) : pd.width;

  // The rows are drawn as text lines that stay out of the text history.
  struct Saved {
    Player& p;
    Surface& s;
    Surface* output = p.engine.outputSurface;
    int x = s.x, y = s.y;
    FontSpec font = s.font;
    Rgb colour = s.colour;
    size_t history = p.text.textHistory.size();
    int fontId = p.text.fontId, lineHeight = p.text.lineHeight, popdownWidth = p.text.popdownWidth;
    ~Saved() {
      p.engine.outputSurface = output;
      s.x = x, s.y = y, s.font = font, s.colour = colour;
      if (p.text.textHistory.size() > history) p.text.textHistory.resize(history);
      p.text.fontId = fontId, p.text.lineHeight = lineHeight, p.text.popdownWidth = popdownWidth;
    }
  } saved{p, s};
  p.engine.outputSurface = &s;
  p.text.popdownWidth = pd.width;

  // The middle piece is repeated between the two ends; the last copy is
  // moved back so that it never reaches past the right end, where closing
  // the list would leave it behind.
  const int middleEnd = b.x + pd.width - rw;
  for (size_t k = 0; k < pd.words.size(); ++k) {
    const int y = top + int(k) * kRowHeight;
    drawPictureAt(p, s, "*popdownl.bmp", b.x, y, true);
    for (int mx = b.x + lw; mx < middleEnd; mx += mw)
      drawPictureAt(p, s, "*popdownm.bmp", std::max(b.x + lw, std::min(mx, middleEnd - mw)), y, true);
    drawPictureAt(p, s, "*popdownr.bmp", middleEnd, y, true);
    // A "|" divides a row into columns of equal width.
    std::vector<std::string> columns{""};
    for (char c : pd.words[k]) {
      if (c == '|')
        columns.emplace_back();
      else
        columns.back() += c;
    }
    const int columnWidth = std::max(1, (pd.width - 12) / int(columns.size()));
    for (size_t c = 0; c < columns.size(); ++c) {
      s.x = b.x + 6 + int(c) * columnWidth;
      s.y = y + 2;
      printText(p, "#f0#cw" + columns[c] + ";");
    }
    if (k + 1 < pd.words.size()) {
      s.x = b.x + 3;
      s.y = y + kRowHeight - 5;
      printText(p, "#a;");
    }
  }
  pd.openBottom = top + int(pd.words.size()) * kRowHeight;
  refreshRect(p, b.x, top, pd.width + 1, pd.openBottom - top + 1);
}

// The "#a" rule of a row starts at the row's left + 3 - 3 and its second
// line runs back the list's width + 3 from 3 pixels short of the right.
constexpr int kRuleOverhang = 6;

void closePopdown(Player& p, int list) {
  RegionTable& r = p.regions;
  Popdown& pd = r.popdowns[size_t(list)];
  if (!pd.open) return;
  const AnswerBox& b = r.answerBoxTable[size_t(pd.box)];
  const int top = b.y + b.height;
  Surface& s = p.workArea;
  // The rules between the rows reach kRuleOverhang pixels left of the list;
  // they go with it.
  const int left = b.x - kRuleOverhang;
  restoreRect(p, s, left, top, pd.width + kRuleOverhang + 1, pd.openBottom - top + 1);
  s.drawing.drawLine(b.x, top, b.x + pd.width, top, makeRgb(119, 79, 43));
  printTextLine(p, true, b.line);
  refreshRect(p, left, top, pd.width + kRuleOverhang + 1, pd.openBottom - top + 1);
  pd.open = false;
  if (r.openPopdown / 1000 == list) r.openPopdown = -1;
}

void clickPopdownButton(Player& p, int box) {
  RegionTable& r = p.regions;
  int list = -1;
  for (size_t k = 0; k < r.popdowns.size(); ++k)
    if (r.popdowns[k].box == box) list = int(k);
  if (list < 0) return;
  p.trace->regionHit("popdown", list);
  if (r.popdowns[size_t(list)].open) {
    closePopdown(p, list);
    return;
  }
  for (size_t k = 0; k < r.popdowns.size(); ++k)
    if (int(k) != list) closePopdown(p, int(k));
  r.popdowns[size_t(list)].open = true;
  r.openPopdown = list * 1000 + box;
  drawPopdownRows(p, list);
  if (r.popdownForward) executeGoForward(p, 0);
}

void clickAnswerBox(Player& p, int i) {
  RegionTable& r = p.regions;
  const AnswerBox b = r.answerBoxTable[size_t(i)];
  switch (b.kind) {
    case 104: {  // audio button
      int n = 0;
      for (int k = 0; k < i; ++k)
        if (r.answerBoxTable[size_t(k)].kind == 104) ++n;
      p.trace->regionHit("audio button", n);
      if (n < int(r.audioButtonSounds.size())) {
        closeCurrentWav(p);
        playWav(p, r.audioButtonSounds[size_t(n)]);
      }
      return;
    }
    case 103:
      clickPopdownButton(p, i);
      return;
    case 101:
    case 100:
      p.trace->regionHit(b.kind == 101 ? "scroll down" : "scroll up", i);
      scrollExamList(p, b.kind == 101 ? 1 : -1);
      return;
    default: {
      // The pupil's choice counts only boxes that are not buttons.
      int choice = 0;
      for (int k = 0; k < i; ++k)
        if (r.answerBoxTable[size_t(k)].kind < 100) ++choice;
      p.trace->regionHit("answer box", i);
      if (p.nav.engineMode == 10) {
        examMenuChoice(p, choice);
      } else if (p.nav.engineMode == 11) {
        closeOpenPopup(p);
        examPageChoice(p, choice);
      } else if (p.nav.engineMode == 0 && r.popupOpen && !r.bodyRunning) {
        closeOpenPopup(p);
      }
    }
  }
}

// The hover highlight of a hotspot goes: the covered rectangle comes back
// and a hotspot picture shown under it is drawn again.
void clearHotspotHighlight(Player& p) {
  RegionTable& r = p.regions;
  if (r.highlightRect.empty()) return;
  int v[4] = {0, 0, 0, 0};
  std::string rest = r.highlightRect;
  for (int k = 0; k < 4; ++k) {
    v[k] = std::atoi(rest.c_str());
    const size_t comma = rest.find(',');
    rest = comma == std::string::npos ? std::string() : rest.substr(comma + 1);
  }
  restoreRect(p, p.workArea, v[0], v[1], v[2], v[3]);
  refreshRect(p, v[0], v[1], v[2], v[3]);
  r.highlightRect.clear();
  for (Hotspot& h : r.hotspots)
    if (h.highlighted) {
      h.highlighted = false;
      if (!h.picture.empty()) drawPictureAt(p, p.workArea, h.picture, h.left, h.top, true);
    }
}

// A click on navigation region n: Forward, Back, a jump, or a game region
// that only reports the hit. The right button asks "What's this?".
void clickNavRegion(Player& p, int n, int button) {
  const RegionTable& r = p.regions;
  const NavRegion& region = r.nav[size_t(n)];
  switch (region.kind) {
    case kForwardRegion:
      if (button == 2) {
        whatsThis(p, buttonTopic(p, region, false));
      } else if (button == 1) {
        if (toLower(region.pressedPicture) == "*forwdep.bmp" && p.nav.forwardRunning) return;
        p.trace->regionHit("forward", n);
        executeGoForward(p, n, true);
      }
      return;
    case kBackRegion:
      if (button == 2) {
        whatsThis(p, buttonTopic(p, region, true));
      } else if (button == 1) {
        p.trace->regionHit("back", n);
        executeGoBack(p, n);
      }
      return;
    case kJumpRegion:
      if (button == 1) {
        p.trace->regionHit("jump", n);
        jumpThroughRegion(p, n);
      }
      return;
    default:
      p.trace->regionHit("game", n);
      return;
  }
}

}  // namespace

bool drawPictureAt(Player& p, Surface& s, std::string_view name, int x, int y, bool keepBackground) {
  const int slot = loadPicture(p, name);
  const Image* img = slot ? pictureInSlot(p, slot) : nullptr;
  if (!img) return false;
  drawTransparent(p, s, slot, x, y, keepBackground);
  if (&s == &p.workArea) refreshRect(p, x, y, img->width(), img->height());
  return true;
}

void dropNavOverlay(Player& p) {
  RegionTable& r = p.regions;
  if (!r.overlayRegion) return;
  const Rect& rect = r.overlayRect;
  p.workArea.drawing.copyFrom(r.overlaySaved, rect.x, rect.y);
  refreshRect(p, rect.x, rect.y, rect.w, rect.h);
  r.overlayRegion = 0;
  r.overlayPressed = false;
  r.overlaySaved = Image();
}

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
  r.bodyRunning = false;
  r.drag = {};
  r.dragStarted = false;
  r.overlayRegion = 0;
  r.overlayPressed = false;
  r.overlaySaved = Image();
  r.dialStep = 0;
  r.audioButtonSounds.clear();
  r.spellWord.clear();
  r.spellWordBefore.clear();
  r.letterFromWord = false;
  p.popup.visible = false;
}

void closeOpenPopup(Player& p) {
  RegionTable& r = p.regions;
  r.popupOpen = false;
  r.openHotspot = -1;
  if (p.popup.visible) {
    p.popup.visible = false;
    const Rect& pl = p.popup.placement;
    refreshRect(p, pl.x, pl.y, pl.w, pl.h);
  }
  if (p.engine.outputSurface == &p.popup) p.engine.outputSurface = &p.workArea;
}

void onPointerMove(Player& p, int button, int x, int y) {
  RegionTable& r = p.regions;
  // Moves are ignored while the program waits (a click's pause, a leave).
  if (p.shell.inputBlocked || p.shell.waiting) return;
  toSurfacePoint(p, x, y);
  r.lastX = x;
  r.lastY = y;

  // A pressed number, word or item starts its drag.
  if (r.drag.kind != 0) {
    if (!r.dragStarted) {
      r.dragStarted = true;
      p.platform.startDrag(r.drag);
    }
    return;
  }

  // The pointer shape.
  const int region = navRegionAt(p, x, y);
  const bool hand = hotspotAt(p, x, y) >= 0 ||
                    (region && !targetIn50To80(p, r.nav[size_t(region)]));
  const PointerShape shape = hand ? PointerShape::Hand : PointerShape::Arrow;
  if (shape != r.pointer && !printing(p)) {
    r.pointer = shape;
    p.platform.setPointerShape(shape);
  }

  // The hover picture of a navigation button.
  if (r.overlayRegion && r.overlayRegion != region) dropNavOverlay(p);
  if (region && region != r.overlayRegion && !(button & 1) && !r.popupOpen &&
      !r.nav[size_t(region)].picture.empty())
    showNavOverlay(p, region, r.nav[size_t(region)].picture, false);

  // A component carried from the circuit toolbox.
  if ((button & 1) && isToolboxVisible(p)) toolboxDragOver(p, x, y);

  // The dial knob follows the pointer's x in whole steps.
  GadgetState& g = p.gadgets;
  if (g.dialShown && g.dialStepWidth > 0 && g.dialSteps > 0) {
    const int step = std::clamp(int(roundHalfEven(double(x - g.dialX) / g.dialStepWidth)), 0, g.dialSteps);
    const int knobX = g.dialX + step * g.dialStepWidth;
    if (knobX != g.dialKnobX) {
      restorePreserved(p, false);
      preserveArea(p, knobX, g.dialKnobY, 10, 14);
      drawPictureAt(p, p.workArea, "dial.bmp", knobX, g.dialKnobY, true);
      g.dialKnobX = knobX;
      refreshRect(p, g.dialX, g.dialKnobY, g.dialSteps * g.dialStepWidth + 10, 14);
    }
    r.dialStep = step;
  }

  // The pressed answer box follows the pointer in and out.
  if (!(button & 1)) {
    if (r.pressedBox > 0 && r.pressedBox <= int(r.answerBoxTable.size()))
      printTextLine(p, true, r.answerBoxTable[size_t(r.pressedBox - 1)].line);
    r.pressedBox = 0;
  } else if (r.pressedBox != 0 && std::abs(r.pressedBox) <= int(r.answerBoxTable.size())) {
    const int k = std::abs(r.pressedBox);
    const AnswerBox& b = r.answerBoxTable[size_t(k - 1)];
    if (b.kind == 102) {
      // The scroll bar's thumb moves with the pointer inside the bar.
      const Image* thumb = pictureOf(p, "*scrollbi.bmp");
      const int th = thumb ? thumb->height() : 16;
      if (x >= b.x && x <= b.x + b.width) {
        const int ty = std::clamp(y - th / 2, b.y, std::max(b.y, b.y + b.height - th));
        restoreRect(p, p.workArea, b.x, b.y, b.width + 1, b.height + 1);
        drawPictureAt(p, p.workArea, "*scrollbi.bmp", b.x, ty, true);
        refreshRect(p, b.x, b.y, b.width + 1, b.height + 1);
      }
    } else {
      const bool in = insideBox(b, x, y);
      if (r.pressedBox > 0 && !in) {
        printTextLine(p, true, b.line);
        r.pressedBox = -k;
      } else if (r.pressedBox < 0 && in) {
        printTextLine(p, false, b.line);
        r.pressedBox = k;
      }
    }
  }

  if (!r.popupOpen) updateHotspotHover(p, x, y);
}

void onPointerDown(Player& p, int button, int x, int y) {
  RegionTable& r = p.regions;
  if (p.shell.inputBlocked) return;
  toSurfacePoint(p, x, y);
  r.lastButton = button;
  r.lastX = x;
  r.lastY = y;

  // 1. The tutor's "What's this?" in the lower-left corner.
  if (button == 2 && x < 100 && y > 300 && tutorInUse(p)) {
    whatsThis(p, tutorTopic(tutorState(p)));
    return;
  }

  // The pressed picture of a navigation button.
  if (button == 1) {
    const int region = navRegionAt(p, x, y);
    if (region && !r.nav[size_t(region)].pressedPicture.empty())
      showNavOverlay(p, region, r.nav[size_t(region)].pressedPicture, true);
  }

  // 2. Typed fields take the input; numbers become the drag payload.
  bool taken = false;
  for (int i = std::max(0, r.firstField); i < int(r.answerFieldTable.size()); ++i) {
    if (insideField(r.answerFieldTable[size_t(i)], x, y)) {
      p.trace->regionHit("field", i);
      setInputField(p, i);
      prepareFieldClipboard(p, i);
      copyField(p);
      taken = true;
      break;
    }
  }
  if (!taken && button == 1) {
    const auto& numbers = p.text.dragNumberTable;
    for (size_t i = 0; i < numbers.size(); ++i) {
      const DragNumber& n = numbers[i];
      if (n.x < x && x < n.x + n.width && n.y < y && y < n.y + n.fontSize + 4) {
        p.trace->regionHit("number", int(i));
        r.drag = n.kind == 2 ? DragPayload{n.text, kFieldTextPayload} : DragPayload{n.text, kNumberPayload};
        taken = true;
        break;
      }
    }
  }
  // Drag items waiting to be placed.
  if (!taken && button == 1) {
    for (size_t i = 0; i < r.dragItems.size(); ++i) {
      const DragItem& d = r.dragItems[i];
      if (d.flag == -1 && d.left < x && x < d.left + d.width && d.top < y && y < d.top + d.height) {
        p.trace->regionHit("drag item", int(i));
        r.drag = {std::to_string(i), kDragItemPayload};
        taken = true;
        break;
      }
    }
  }
  // A letter taken out of the spelling word.
  if (!taken && button == 1 && p.nav.engineMode == 14 && inStrip(x, y) && !r.spellWord.empty()) {
    const std::vector<int> edges = letterEdges(p, r.spellWord);
    for (size_t k = 0; k < r.spellWord.size(); ++k)
      if (x >= edges[k] && x < edges[k + 1]) {
        r.spellWordBefore = r.spellWord;
        r.letterFromWord = true;
        r.drag = {std::to_string(static_cast<unsigned char>(r.spellWord[k]) - 64), kSpellLetterPayload};
        r.spellWord.erase(k, 1);
        redrawSpellWord(p);
        taken = true;
        break;
      }
  }

  // 3. Answer boxes.
  for (size_t i = 0; i < r.answerBoxTable.size(); ++i)
    if (insideBox(r.answerBoxTable[i], x, y)) {
      pressAnswerBox(p, button, int(i));
      break;
    }
}

void onPointerUp(Player& p, int button, int x, int y) {
  RegionTable& r = p.regions;
  if (p.shell.inputBlocked) return;
  toSurfacePoint(p, x, y);
  r.lastX = x;
  r.lastY = y;
  if (r.overlayPressed) dropNavOverlay(p);
  // A press that never became a drag leaves nothing to drop.
  if (r.drag.kind != 0 && !r.dragStarted) {
    if (r.letterFromWord) {
      r.spellWord = r.spellWordBefore;
      r.letterFromWord = false;
      redrawSpellWord(p);
    }
    r.drag = {};
  }
  (void)button;
}

void onClick(Player& p) {
  RegionTable& r = p.regions;
  if (p.shell.inputBlocked || r.clickRunning) return;
  struct Guard {
    RegionTable& r;
    ~Guard() { r.clickRunning = false; }
  } guard{r};
  r.clickRunning = true;
  const int x = r.lastX, y = r.lastY, button = r.lastButton;

  // 1. The hover highlight of a hotspot goes.
  clearHotspotHighlight(p);

  // 2. A pressed box released inside itself acts.
  if (r.pressedBox > 0 && r.pressedBox <= int(r.answerBoxTable.size())) {
    const int i = r.pressedBox - 1;
    const AnswerBox& b = r.answerBoxTable[size_t(i)];
    if (insideBox(b, x, y) && b.state == 0) {
      printTextLine(p, true, b.line);
      refreshRect(p, b.x, b.y, b.width + 1, b.height + 1);
      r.pressedBox = 0;
      clickAnswerBox(p, i);
      return;
    }
  }
  // 3. Any other press is forgotten; an open popup takes the click.
  r.pressedBox = 0;
  if (r.popupOpen) {
    // A click beside the open popup closes it; nothing else happens.
    if (!r.pointerOnPopup && !r.bodyRunning) closeOpenPopup(p);
    return;
  }

  // 4. A hot word opens the glossary popup.
  for (size_t i = 0; i < p.text.hotWordTable.size(); ++i) {
    const HotWord& w = p.text.hotWordTable[i];
    if (w.x <= x && x <= w.x + w.width && w.y <= y && y <= w.y + w.height) {
      p.trace->regionHit("hot word", int(i));
      p.platform.showHelpTopic(1234, true);
      return;
    }
  }

  // 5. Navigation regions, the last created first; then hotspots.
  if (const int n = navRegionAt(p, x, y)) {
    clickNavRegion(p, n, button);
    return;
  }
  if (button == 1) {
    const int h = hotspotAt(p, x, y);
    if (h >= 0) runHotspotBody(p, h);
  }
}

void runHotspotBody(Player& p, int index) {
  RegionTable& r = p.regions;
  EngineState& e = p.engine;
  if (index < 0 || index >= int(r.hotspots.size())) return;
  const bool popup = r.hotspots[size_t(index)].popup;
  p.trace->regionHit(popup ? "popup" : "hotspot", index);
  const int savedPos = e.scriptPos, savedEnd = e.scriptEnd, savedLine = e.lineStart;
  const int starts = p.nav.screenStarts;
  if (popup) closeOpenPopup(p);
  r.openHotspot = index;
  r.bodyRunning = true;
  if (popup) r.popupOpen = true;
  e.scriptPos = r.hotspots[size_t(index)].scriptPos;
  executeProgramScript(p, &p.workArea);
  if (p.nav.screenStarts != starts) return;  // the body moved to another screen
  r.bodyRunning = false;
  e.scriptPos = savedPos;
  e.scriptEnd = savedEnd;
  e.lineStart = savedLine;
  if (!popup) r.openHotspot = -1;
  if (index >= int(r.hotspots.size())) return;
  Hotspot& h = r.hotspots[size_t(index)];
  if (h.visited != 1) return;
  h.visited = -1;
  ++r.hotspotsVisited;
  r.hotspotsToVisit = std::max(0, r.hotspotsToVisit - 1);
  if (r.hotspotsVisited < int(r.hotspots.size())) return;
  if (p.nav.forwardCover.shown) {
    enableNavigation(p, "forward");
    executeGoForward(p, -1);
  } else if (r.automoveOn) {
    executeGoForward(p, 0);
  }
}

}  // namespace vintara
