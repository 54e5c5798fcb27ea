// Picture and drawing commands.
#include <cstdlib>

#include "engine/command_table.h"
#include "engine/interpreter.h"
#include "engine/numbers.h"
#include "engine/player.h"
#include "engine/script_errors.h"
#include "engine/script_text.h"
#include "output/pictures.h"
#include "output/rich_text.h"
#include "platform/text_codec.h"

namespace vintara {

namespace {

// Loads the picture of item 1 and tells its size (0 x 0 when missing).
int loadItemPicture(Player& p, int& w, int& h) {
  showPicture(p, true);
  const Image* img = pictureInSlot(p, p.pictures.currentPictureSlot);
  w = img ? img->width() : 0;
  h = img ? img->height() : 0;
  return p.pictures.currentPictureSlot;
}

struct BoxColours {
  const char* name;
  Rgb fill, light, dark;
  bool pure;  // no black outline
};

// Colours of "box", by name in lower case; anything else is the last row.
constexpr BoxColours kBoxColours[] = {
    {"puregreen", makeRgb(135, 195, 123), makeRgb(135, 195, 123), makeRgb(135, 195, 123), true},
    {"wrongfb", makeRgb(128, 0, 0), makeRgb(128, 0, 0), makeRgb(128, 0, 0), false},
    {"correctfb", makeRgb(118, 183, 107), makeRgb(118, 183, 107), makeRgb(118, 183, 107), false},
    {"green", makeRgb(135, 195, 123), makeRgb(175, 219, 163), makeRgb(95, 135, 47), false},
    {"brown", makeRgb(223, 199, 187), makeRgb(223, 199, 187), makeRgb(223, 199, 187), false},
    {"blue", makeRgb(119, 139, 179), makeRgb(179, 197, 219), makeRgb(83, 95, 151), false},
    {"purple", makeRgb(255, 186, 229), makeRgb(255, 186, 229), makeRgb(255, 186, 229), false},
    {"yellow", makeRgb(223, 215, 35), makeRgb(255, 247, 51), makeRgb(159, 155, 15), false},
    {"red", makeRgb(255, 175, 175), makeRgb(255, 219, 219), makeRgb(255, 131, 131), false},
};
constexpr BoxColours kDefaultBox = {"", makeRgb(111, 135, 179), makeRgb(111, 135, 179),
                                    makeRgb(111, 135, 179), false};

// A coordinate of "atgraphic": absolute, or relative with a leading sign.
void applyCoordinate(Player& p, int& value, const std::string& text) {
  const double v = *strictNumber(text, p.text.decimalSeparator);
  int n = 0;
  if (auto i = toInt16(v)) n = *i;
  else scriptError(p, "the number " + text + " does not fit 16 bits");
  value = (text[0] == '+' || text[0] == '-') ? value + n : n;
}

// A picture command without its name would draw whatever name the previous
// command line left behind; it is reported instead.
bool hasName(Player& p) {
  if (p.engine.cmdItemCount >= 1) return true;
  scriptError(p, "@" + p.engine.cmdItems[0] + " needs a picture name");
  return false;
}

}  // namespace

void cmdPicture(Player& p) {
  if (hasName(p)) showPicture(p);
}

void cmdSplatPicture(Player& p) {
  if (!hasName(p)) return;
  p.pictures.opaqueDraw = true;
  showPicture(p);
  p.pictures.opaqueDraw = false;
}

void cmdErasePicture(Player& p) {
  PictureState& ps = p.pictures;
  if (ps.erasableOnShow) restorePreserved(p, false);
  if (p.engine.cmdItemCount == 0) {
    ps.erasableOnShow = false;
    endRun(p);
    return;
  }
  int w, h;
  loadItemPicture(p, w, h);
  preserveArea(p, ps.pictureX, ps.pictureY, w, h);
  showPicture(p);
  ps.erasableOnShow = true;
}

void cmdClsPicture(Player& p) {
  if (!hasName(p)) return;
  int w, h;
  loadItemPicture(p, w, h);
  restoreRect(p, outputSurface(p), p.pictures.pictureX, p.pictures.pictureY, w, h);
  showPicture(p);
}

namespace {
void setUpWipe(Player& p, bool slow) {
  if (!hasName(p)) return;
  PictureState& ps = p.pictures;
  if (outputSurface(p).isPrinter()) {
    showPicture(p);  // paper shows the picture whole
    return;
  }
  int w, h;
  const int slot = loadItemPicture(p, w, h);
  ps.wipe = WipeState{toLower(commandItem(p, 2)), ps.pictureX, ps.pictureY, slot, 1, slow,
                      &outputSurface(p) == &p.popup};
  if (!slow) runPictureEffect(p);
}
}  // namespace

void cmdPictureFx(Player& p) { setUpWipe(p, false); }
void cmdSlowPictureFx(Player& p) { setUpWipe(p, true); }

void cmdBackdrop(Player& p) { loadBackdrop(p); }

void cmdStyleBackdrop(Player& p) {
  EngineState& e = p.engine;
  e.cmdItems[1] = p.pupil.settings.styleBackdrop ? "\\backdrop\\withstyl.bmp" : "\\backdrop\\w_ostyle.bmp";
  e.cmdItemCount = 1;
  loadBackdrop(p);
}

void cmdAtGraphic(Player& p) {
  const EngineState& e = p.engine;
  if (e.cmdItemCount != 2) {
    p.message("Required 2 args for atGraphic.");
    return;
  }
  const std::string x = e.cmdItems[1], y = e.cmdItems[2];
  const char sep = p.text.decimalSeparator;
  if (!strictNumber(x, sep) || !strictNumber(y, sep)) {
    p.message(x + "," + y + "Not a number. ");
    return;
  }
  applyCoordinate(p, p.pictures.pictureX, x);
  applyCoordinate(p, p.pictures.pictureY, y);
}

void cmdBox(Player& p) {
  const int x = numericParam(p, commandItem(p, 1)), y = numericParam(p, commandItem(p, 2));
  const int w = numericParam(p, commandItem(p, 3)), h = numericParam(p, commandItem(p, 4));
  const std::string name = toLower(commandItem(p, 5));
  const BoxColours* c = &kDefaultBox;
  for (const auto& row : kBoxColours)
    if (name == row.name) c = &row;
  Surface& s = outputSurface(p);
  // Rectangles include their last row and column, as "erase" assumes: a
  // box of w x h covers (w + 1) x (h + 1) pixels.
  if (!s.isPrinter()) {
    Image& img = s.drawing;
    img.fillRect(Rect{x, y, w + 1, h + 1}, c->fill);
    img.drawRectOutline(Rect{x + 1, y + 1, w - 1, h - 1}, c->light);
    img.drawLine(x + 1, y + h - 1, x + w - 1, y + h - 1, c->dark);
    img.drawLine(x + w - 1, y + h - 1, x + w - 1, y + 1, c->dark);
    // Only the named pure colours go without the outline: an unknown name
    // such as "purered" gets the default colours and the outline.
    if (!c->pure) img.drawRectOutline(Rect{x, y, w + 1, h + 1}, 0x000000);
  }
  PictureState& ps = p.pictures;
  ps.lastBox = Rect{x, y, w, h};
  // The twinkling stars keep off the last box drawn on the screen, the
  // panel that holds its text.
  ps.starExclusion = Rect{x, y, w + 1, h + 1};
  ps.starExclusionSet = true;
}

void cmdLine(Player& p) {
  const int x = numericParam(p, commandItem(p, 1)), y = numericParam(p, commandItem(p, 2));
  const int w = numericParam(p, commandItem(p, 3)), h = numericParam(p, commandItem(p, 4));
  Surface& s = outputSurface(p);
  if (!s.isPrinter()) {
    s.drawing.drawLine(x, y, x + w, y + h, makeRgb(255, 0, 0));
    s.drawing.drawLine(x, y + 1, x + w, y + 1 + h, makeRgb(255, 0, 0));
  }
  p.pictures.lastBox = Rect{x, y, w, h};
}

void cmdErase(Player& p) {
  const int x = numericParam(p, commandItem(p, 1)), y = numericParam(p, commandItem(p, 2));
  const int w = numericParam(p, commandItem(p, 3)), h = numericParam(p, commandItem(p, 4));
  RegionTable& r = p.regions;
  if (r.popupOpen && r.openHotspot >= 0 && r.openHotspot < int(r.hotspots.size()) &&
      r.hotspots[size_t(r.openHotspot)].popup) {
    // A popup being defined: its panel appears, cleared, and takes the text.
    const Hotspot& h0 = r.hotspots[size_t(r.openHotspot)];
    Surface& panel = p.popup;
    const int pw = std::abs(h0.width), ph = std::abs(h0.height);
    panel.placement = Rect{h0.left, h0.top, pw, ph};
    Image cleared(pw, ph);
    cleared.copyFrom(panel.backdrop, 0, 0);
    panel.drawing = std::move(cleared);
    panel.visible = true;
    p.engine.outputSurface = &panel;
    return;
  }
  if (p.pictures.eraseInset)
    restoreRect(p, outputSurface(p), x + 1, y + 1, w - 1, h - 1);
  else
    restoreRect(p, outputSurface(p), x, y, w + 1, h + 1);
  p.pictures.lastErased = Rect{x, y, w, h};
}

void cmdShowStars(Player& p) {
  PictureState& ps = p.pictures;
  if (toLower(commandItem(p, 1)) == "true") {
    ps.showStars = true;
    ps.starsOff = false;
    ps.starScreen = p.engine.currentScreen;
    // Stars may appear anywhere above the bottom bar.
    ps.starArea = Rect{4, 4, 620, 390};
  } else {
    ps.showStars = false;
    ps.starsOff = true;
    if (ps.starScreen == p.engine.currentScreen) ps.starScreen = 0;
  }
}

}  // namespace vintara
