// Drops on the work area: drag items onto their drop areas, letters onto
// the spelling strip, words onto answer boxes, numbers onto typed fields,
// circuit components to the toolbox.
#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "assess/sound.h"
#include "engine/navigation.h"
#include "engine/player.h"
#include "output/fields.h"
#include "output/pictures.h"
#include "output/pointer.h"
#include "output/pointer_internal.h"
#include "output/rich_text.h"
#include "shell/wait.h"
#include "tools/circuit_toolbox.h"

namespace vintara {

namespace {

void dropDragItem(Player& p, const DragPayload& d, int x, int y) {
  RegionTable& r = p.regions;
  char* end = nullptr;
  const long index = std::strtol(d.text.c_str(), &end, 10);
  if (end == d.text.c_str() || index < 0 || index >= long(r.dragItems.size())) return;
  DragItem& item = r.dragItems[size_t(index)];
  if (item.flag != -1) return;
  for (size_t a = 0; a < r.dropAreas.size(); ++a) {
    const DropArea& area = r.dropAreas[a];
    if (!(area.left < x && x < area.left + area.width && area.top < y && y < area.top + area.height))
      continue;
    if (item.area != int(a) + 1) return;  // only the area the item belongs to takes it
    p.trace->regionHit("drop area", int(a));
    drawPictureAt(p, p.workArea, item.picture2, area.left, area.top, true);
    const Image* third = pictureOf(p, item.picture3);
    const int w = third ? third->width() : item.width, h = third ? third->height() : item.height;
    p.workArea.drawing.fillRect({item.left, item.top, w, h}, 0xFFFFFF);
    drawPictureAt(p, p.workArea, item.picture3, item.left, item.top, true);
    refreshRect(p, item.left, item.top, w, h);
    item.flag = 0;
    if (++r.dragItemsPlaced == int(r.dragItems.size())) executeGoForward(p, 0);
    return;
  }
}

void dropLetter(Player& p, const DragPayload& d, int x, int y) {
  RegionTable& r = p.regions;
  const int value = std::atoi(d.text.c_str());
  if (inStrip(x, y)) {
    const std::vector<int> edges = letterEdges(p, r.spellWord);
    if (edges.back() - edges.front() < 500 && value >= 1 && value <= 191) {
      size_t at = r.spellWord.size();
      for (size_t k = 0; k < r.spellWord.size(); ++k)
        if ((edges[k] + edges[k + 1]) / 2 > x) {
          at = k;
          break;
        }
      r.spellWord.insert(at, 1, char(64 + value));
    } else if (r.letterFromWord) {
      r.spellWord = r.spellWordBefore;
    }
    redrawSpellWord(p);
  } else if (x > 577 && y > 311 && y < 360) {
    for (const char* picture : {"wastepal.bmp", "wastepar.bmp", "wastepap.bmp"}) {
      drawPictureAt(p, p.workArea, picture, 576, 311, false);
      refreshRect(p, 576, 311, 50, 50);
      delaySeconds(p, 0.1);
    }
  } else if (r.letterFromWord) {
    r.spellWord = r.spellWordBefore;
    redrawSpellWord(p);
  }
  r.letterFromWord = false;
}

// Upper-cases the first character of a box text that is not part of a "#"
// code.
void capitaliseFirst(std::string& text) {
  for (size_t i = 0; i < text.size();) {
    if (text[i] == '#') {
      const char code = i + 1 < text.size() ? char(std::tolower(static_cast<unsigned char>(text[i + 1]))) : 0;
      i += 2;
      if (code == 'c' || code == 'f' || code == 'q' || code == 'y') ++i;
      continue;
    }
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c != ' ') {
      if (c < 128) text[i] = char(std::toupper(c));
      return;
    }
    ++i;
  }
}

void dropWord(Player& p, const DragPayload& d, int x, int y) {
  RegionTable& r = p.regions;
  QuestionState& q = p.question;
  auto& boxes = r.answerBoxTable;
  const int source = d.kind - (kWordPayloadFirst + 1);
  if (source < 0 || source >= int(boxes.size())) return;
  int target = -1;
  for (int b = std::max(0, q.firstTargetBox); b < int(boxes.size()); ++b)
    if (insideBox(boxes[size_t(b)], x, y)) {
      target = b;
      break;
    }
  if (target < 0) return;
  p.trace->regionHit("word target", target);
  closeCurrentWav(p);
  static const char* const kPunctuation[] = {"blank", "stop", "comma", "qmark", "excla", "spech", "appos"};
  const int word = d.kind - kWordPayloadFirst;
  p.sound.speechName = "none";
  if (lineText(p, boxes[size_t(target)].line) == "#o#b #b" && word >= 1 && word <= 7)
    playInterfaceSound(p, std::string("*pq_") + kPunctuation[word - 1] + ".wav");
  else
    playInterfaceSound(p, "*gq_drop.wav");
  if (boxes[size_t(target)].height != boxes[size_t(source)].height) return;

  auto& history = p.text.textHistory;
  auto textOf = [&](int box) -> std::string* {
    const int line = boxes[size_t(box)].line;
    return line >= 1 && line <= int(history.size()) ? &history[size_t(line - 1)].text : nullptr;
  };
  if (q.firstTargetBox != 0) {
    std::string text = lineText(p, boxes[size_t(source)].line);
    const int position = target - q.firstTargetBox + 1;
    if (position >= 1 && position < int(q.capitaliseTarget.size()) && q.capitaliseTarget[size_t(position)])
      capitaliseFirst(text);
    if (std::string* t = textOf(target)) *t = text;
    boxes[size_t(target)].state = word;
    printTextLine(p, true, boxes[size_t(target)].line);
  } else {
    const int a = source + 1, b = target + 1;
    if (a <= 10 && b <= 10) std::swap(q.positionWord[size_t(a)], q.positionWord[size_t(b)]);
    std::string* ta = textOf(source);
    std::string* tb = textOf(target);
    if (ta && tb) std::swap(*ta, *tb);
    printTextLine(p, true, boxes[size_t(source)].line);
    printTextLine(p, true, boxes[size_t(target)].line);
  }
  refreshRect(p, 0, 0, kWorkAreaWidth, kWorkAreaHeight);
  if (q.autoFeedback) executeGoForward(p, 0);
}

bool dropOnAField(Player& p, int x, int y) {
  RegionTable& r = p.regions;
  for (int i = std::max(0, r.firstField); i < int(r.answerFieldTable.size()); ++i) {
    const AnswerField& f = r.answerFieldTable[size_t(i)];
    if (f.kind != kNumberField && f.kind != kFormulaField) continue;
    if (insideField(f, x, y)) {
      p.trace->regionHit("field", i);
      dropOnField(p, i);
      return true;
    }
  }
  return false;
}

}  // namespace

void onDrop(Player& p, int x, int y) {
  RegionTable& r = p.regions;
  if (p.shell.inputBlocked) return;
  const DragPayload d = r.drag;
  Surface& s = outputSurface(p);
  const int sx = s.x, sy = s.y;
  const int starts = p.nav.screenStarts;
  bool handled = true;
  if (d.kind == kDragItemPayload)
    dropDragItem(p, d, x, y);
  else if (d.kind == kSpellLetterPayload)
    dropLetter(p, d, x, y);
  else if (d.kind >= kWordPayloadFirst && d.kind <= kWordPayloadLast)
    dropWord(p, d, x, y);
  else if (d.kind >= kComponentPayloadFirst && d.kind <= kComponentPayloadLast)
    componentDragToMainWindow(p, d, x, y);
  else if (d.kind == kNumberPayload || d.kind == kFieldTextPayload)
    dropOnAField(p, x, y);
  else
    handled = false;
  if (p.nav.screenStarts == starts) {
    s.x = sx;
    s.y = sy;
  }
  if (handled) r.drag = {};
  r.dragStarted = false;
}

void onDragOver(Player& p, int x, int y) {
  if (p.shell.inputBlocked) return;
  toolboxDragOver(p, x, y);
}

void onDragFinished(Player& p) {
  RegionTable& r = p.regions;
  if (r.letterFromWord) {
    r.spellWord = r.spellWordBefore;
    r.letterFromWord = false;
    redrawSpellWord(p);
  }
  r.drag = {};
  r.dragStarted = false;
}

}  // namespace vintara
