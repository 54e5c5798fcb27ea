// Pictures, backdrops and transitions.
//
// Pictures live in the per-screen cache as core images; drawing them is
// plain pixel work on the surface's drawing image, so every blit, mask,
// restore and wipe can be checked pixel by pixel without a window.
//
// Transparency: a 24-bit picture is transparent where it has the key colour
// (QBColor 10, pure green), which is what the mask of the AND/OR drawing
// selects; a picture with an alpha channel (PNG) is blended by its alpha.
// With in-memory images there are no device contexts to select or release,
// so the "F#1".."F#6" failures of that drawing cannot occur here.
#include "output/pictures.h"

#include <algorithm>
#include <cmath>

#include "assess/exam.h"
#include "engine/navigation.h"
#include "engine/numbers.h"
#include "engine/player.h"
#include "engine/script_errors.h"
#include "output/rich_text.h"
#include "platform/text_codec.h"

namespace vintara {

namespace {

// Printer units are twips; the work area has 15 twips to the pixel.
constexpr int kTwipsPerPixel = 15;

// Copies `from` of src to (dx, dy) of dst, leaving the destination where the
// source is transparent (key colour, or alpha for pictures that have it).
void maskedCopy(Image& dst, const Image& src, Rect from, int dx, int dy) {
  if (!clipCopy(src, from, dst, dx, dy)) return;
  const bool alpha = src.hasAlpha();
  for (int row = 0; row < from.h; ++row) {
    const uint32_t* s = src.bits() + size_t(from.y + row) * size_t(src.width()) + size_t(from.x);
    uint32_t* d = dst.bits() + size_t(dy + row) * size_t(dst.width()) + size_t(dx);
    for (int i = 0; i < from.w; ++i) {
      const uint32_t v = s[i];
      if (!alpha) {
        if ((v & 0xFFFFFF) != kKeyColour) d[i] = 0xFF000000u | v;
        continue;
      }
      const uint32_t a = v >> 24;
      if (a == 0) continue;
      if (a == 255) {
        d[i] = v;
        continue;
      }
      const uint32_t b = d[i];
      auto mix = [a](uint32_t fg, uint32_t bg) { return (fg * a + bg * (255 - a) + 127) / 255; };
      const uint32_t r = mix((v >> 16) & 0xFF, (b >> 16) & 0xFF);
      const uint32_t g = mix((v >> 8) & 0xFF, (b >> 8) & 0xFF);
      const uint32_t bl = mix(v & 0xFF, b & 0xFF);
      d[i] = 0xFF000000u | (r << 16) | (g << 8) | bl;
    }
  }
}

bool isScreenSurface(const Surface& s) { return !s.isPrinter() && !s.drawing.isNull(); }

// The content path of a picture name that is not a "+" path.
std::string contentPathOf(const Player& p, std::string_view name) {
  if (!name.empty() && name[0] == '*') return "pictures\\" + std::string(name.substr(1));
  const std::string folder = p.nav.examPageMode ? examPictureFolder(p) : p.content.dataFolder;
  return folder + "pictures\\" + std::string(name);
}

// The picture of a slot and the size it is drawn with (the size override
// replaces the picture's own size while its width is non-zero).
const Image* slotImage(const Player& p, int slot, int& w, int& h) {
  const Image* img = pictureInSlot(p, slot);
  if (!img) return nullptr;
  w = img->width();
  h = img->height();
  if (p.pictures.overrideW != 0) {
    w = p.pictures.overrideW;
    h = p.pictures.overrideH;
  }
  return img;
}

// The decoded picture of a file, from the memory of decoded files or the
// platform; null when it cannot be loaded (failures are not remembered, so a
// file that appears later is found).
std::shared_ptr<const Image> decodePicture(Player& p, const std::string& path) {
  PictureState& ps = p.pictures;
  if (auto it = ps.decoded.find(path); it != ps.decoded.end()) return it->second;
  auto img = p.platform.loadImage(path);
  if (!img) return nullptr;
  auto shared = std::make_shared<const Image>(std::move(*img));
  const size_t bytes = size_t(shared->width()) * size_t(shared->height()) * 4;
  while (!ps.decodedOrder.empty() && ps.decodedBytes + bytes > PictureState::kDecodedBudget) {
    auto old = ps.decoded.find(ps.decodedOrder.front());
    ps.decodedBytes -= size_t(old->second->width()) * size_t(old->second->height()) * 4;
    ps.decoded.erase(old);
    ps.decodedOrder.erase(ps.decodedOrder.begin());
  }
  ps.decoded.emplace(path, shared);
  ps.decodedOrder.push_back(path);
  ps.decodedBytes += bytes;
  return shared;
}

}  // namespace

// ---- Names and the cache ---------------------------------------------------

std::string resolvePicturePath(Player& p, std::string_view name) {
  if (!name.empty() && name[0] == '+') {
    // A literal path written by the content itself; the only picture name
    // that may leave the content root.
    if (!p.content.paths.hasRoot() && p.content.ensureRoot) p.content.ensureRoot();
    return p.content.paths.resolveAnywhere(name.substr(1));
  }
  return p.content.native(contentPathOf(p, name));
}

int loadPicture(Player& p, std::string_view name) {
  PictureState& s = p.pictures;
  for (size_t i = 0; i < s.pictureCache.size(); ++i)
    if (s.pictureCache[i].name == name) {
      s.currentPictureSlot = int(i) + 1;
      return s.currentPictureSlot;
    }
  CachedPicture entry;
  entry.name = std::string(name);
  const std::string path = resolvePicturePath(p, name);
  entry.image = decodePicture(p, path);
  if (!entry.image) {
    std::string shown = path.empty() ? p.content.paths.display(contentPathOf(p, name))
                                     : utf8ToCp1252(path);
    p.message("Missing picture " + shown);
  }
  if (int(s.pictureCache.size()) >= PictureState::kMaxCache) {
    // The cache is full: the newest entry gives way, so the picture still
    // shows, and the author hears of it.
    scriptError(p, "more than " + std::to_string(PictureState::kMaxCache) +
                       " different pictures on one screen");
    s.pictureCache.back() = std::move(entry);
  } else {
    s.pictureCache.push_back(std::move(entry));
  }
  s.currentPictureSlot = int(s.pictureCache.size());
  return s.currentPictureSlot;
}

const Image* pictureInSlot(const Player& p, int slot) {
  const auto& cache = p.pictures.pictureCache;
  if (slot < 1 || slot > int(cache.size())) return nullptr;
  return cache[size_t(slot - 1)].image.get();
}

// ---- Drawing ---------------------------------------------------------------

void showPicture(Player& p, bool loadOnly) {
  const std::string name = p.engine.cmdItems[1];
  if (name == "*") return;
  const int slot = loadPicture(p, name);
  if (loadOnly) return;
  PictureState& ps = p.pictures;
  Surface& s = outputSurface(p);
  if (s.isPrinter()) {
    // The printer paints the picture itself (positions in twips).
    if (const Image* img = pictureInSlot(p, slot); img && s.printer)
      s.printer->drawImage((ps.pictureX + examPrintOffset(p)) * kTwipsPerPixel,
                           ps.pictureY * kTwipsPerPixel, *img);
  } else if (ps.opaqueDraw) {
    blitOpaque(p, s, slot, ps.pictureX, ps.pictureY);
  } else {
    drawTransparent(p, s, slot, ps.pictureX, ps.pictureY, true);
  }
}

void printPicture(Player& p, int x, int y, std::string_view name) {
  PictureState& ps = p.pictures;
  const int savedX = ps.pictureX, savedY = ps.pictureY;
  std::string savedItem = std::move(p.engine.cmdItems[1]);
  ps.pictureX = x;
  ps.pictureY = y;
  p.engine.cmdItems[1] = std::string(name);
  showPicture(p);
  p.engine.cmdItems[1] = std::move(savedItem);
  ps.pictureX = savedX;
  ps.pictureY = savedY;
}

void drawTransparent(Player& p, Surface& s, int slot, int x, int y, bool keepBackground) {
  int w = 0, h = 0;
  const Image* img = slotImage(p, slot, w, h);
  if (!img || w <= 0 || h <= 0 || !isScreenSurface(s)) return;
  if (!keepBackground) restoreRect(p, s, x, y, w, h);
  maskedCopy(s.drawing, *img, Rect{0, 0, w, h}, x, y);
}

void blitOpaque(Player& p, Surface& s, int slot, int x, int y) {
  const Image* img = pictureInSlot(p, slot);
  if (!img || !isScreenSurface(s)) return;
  const PictureState& ps = p.pictures;
  const Rect from = ps.overrideW != 0 ? Rect{ps.sourceX, ps.sourceY, ps.overrideW, ps.overrideH}
                                      : Rect{0, 0, img->width(), img->height()};
  s.drawing.copyFrom(*img, from, x, y);
}

void restoreRect(Player& p, Surface& s, int x, int y, int w, int h) {
  (void)p;
  if (w <= 0 || h <= 0 || !isScreenSurface(s)) return;
  s.drawing.copyFrom(s.backdrop, Rect{x, y, w, h}, x, y);
}

void refreshRect(Player& p, int x, int y, int w, int h) { p.platform.refreshRect({x, y, w, h}); }

void preserveArea(Player& p, int x, int y, int w, int h) {
  PictureState& ps = p.pictures;
  Surface& s = outputSurface(p);
  if (!isScreenSurface(s)) return;
  ps.preserved = Rect{x, y, std::max(0, w), std::max(0, h)};
  ps.preservedFrom = &s;
  ps.preservedPixels = Image(ps.preserved.w, ps.preserved.h);
  ps.preservedPixels.copyFrom(s.drawing, ps.preserved, 0, 0);
}

void restorePreserved(Player& p, bool refresh) {
  PictureState& ps = p.pictures;
  if (ps.preserved.x == -1 || !ps.preservedFrom) return;
  const Rect r = ps.preserved;
  ps.preservedFrom->drawing.copyFrom(ps.preservedPixels, Rect{0, 0, r.w, r.h}, r.x, r.y);
  if (refresh) refreshRect(p, r.x, r.y, r.w, r.h);
}

// ---- Backdrops -------------------------------------------------------------

void loadBackdropNamed(Player& p, const std::string& name, bool noButtonBar) {
  if (outputSurface(p).isPrinter()) return;  // the paper has no backdrop
  Surface& s = p.workArea;
  PictureState& ps = p.pictures;
  if (name != ps.backdropName) {
    ps.backdropName = name;
    for (;;) {
      // Backdrops are decoded afresh (they change only with their name) and
      // copied into the surface's own image, which keeps the peak memory low.
      if (auto img = p.platform.loadImage(p.content.native(p.content.dataFolder + "pictures\\" + name))) {
        if (img->hasAlpha() || img->width() < s.backdrop.width() || img->height() < s.backdrop.height())
          s.backdrop.fill(0xFFFFFF);
        if (img->hasAlpha())
          maskedCopy(s.backdrop, *img, Rect{0, 0, img->width(), img->height()}, 0, 0);
        else
          s.backdrop.copyFrom(*img, 0, 0);
        break;
      }
      if (p.message("Failed to load backdrop. " + name + kCdText, Buttons::RetryCancel, Icon::Error) !=
          Answer::Retry)
        p.platform.endProgram(1);
    }
  }
  s.clearToBackdrop();
  if (!noButtonBar) drawButtonStatus(p);
}

void loadBackdrop(Player& p, bool noButtonBar) {
  const EngineState& e = p.engine;
  if (e.cmdItemCount == 2) p.pictures.examBackdropName = e.cmdItems[2];
  loadBackdropNamed(p, e.cmdItemCount >= 1 ? e.cmdItems[1] : std::string(), noButtonBar);
}

// ---- Wipes -----------------------------------------------------------------

namespace {

Surface& wipeSurface(Player& p) { return p.pictures.wipe.onPopup ? p.popup : p.workArea; }

// Copies the strip (sx, sy, w, h) of the wipe's picture to the same place
// under the picture's position and shows it at once.
void wipeStrip(Player& p, int sx, int sy, int w, int h) {
  PictureState& ps = p.pictures;
  const WipeState& wp = ps.wipe;
  ps.overrideW = w;
  ps.overrideH = h;
  ps.sourceX = sx;
  ps.sourceY = sy;
  blitOpaque(p, wipeSurface(p), wp.slot, wp.x + sx, wp.y + sy);
  ps.overrideW = ps.overrideH = ps.sourceX = ps.sourceY = 0;
  refreshRect(p, wp.x + sx, wp.y + sy, w, h);
}

// The wipe has ended: it is marked finished and the whole picture is put in
// place, so that strips the pattern skips (the top row of "wipedown", the
// gaps of "wipeupdown" at some heights, odd widths) do not stay missing.
void finishWipe(Player& p, int w, int h) {
  WipeState& wp = p.pictures.wipe;
  wp.step = 0;
  wp.slow = false;
  wipeStrip(p, 0, 0, w, h);
}

// One step of the wipe; false when the effect is unknown (nothing drawn).
bool wipeStep(Player& p, bool fast) {
  WipeState& wp = p.pictures.wipe;
  const Image* img = pictureInSlot(p, wp.slot);
  const int W = img ? img->width() : 0, H = img ? img->height() : 0;
  int& s = wp.step;
  if (!fast && wp.effect == "wipedown") {
    wipeStrip(p, 0, s, W, 2);
    s += 2;
    if (s >= H) finishWipe(p, W, H);
  } else if (!fast && wp.effect == "wipeleftright") {
    wipeStrip(p, s, 0, 1, H);
    wipeStrip(p, W - s - 1, 0, 1, H);
    s += 2;
    if (s > W) finishWipe(p, W, H);
  } else if (fast && wp.effect == "wipeupdown") {
    const int f = (H + 2) % 4;
    wipeStrip(p, 0, s, W, 4);
    wipeStrip(p, 0, H - s - f, W, 4);
    s += 8;
    if (s > H) finishWipe(p, W, H);
  } else if (fast && wp.effect == "wipeleftright") {
    wipeStrip(p, s, 0, 2, H);
    wipeStrip(p, W - s - 2, 0, 2, H);
    s += 4;
    if (s > W) finishWipe(p, W, H);
  } else {
    return false;
  }
  return true;
}

}  // namespace

void runPictureEffect(Player& p) {
  WipeState& wp = p.pictures.wipe;
  wp.slow = false;
  while (wp.step > 0) {
    if (!wipeStep(p, true)) {
      wp.step = 0;  // an unknown effect draws nothing
      break;
    }
    animationTick(p);
  }
}

void stepPictureEffect(Player& p) {
  WipeState& wp = p.pictures.wipe;
  if (!wp.slow || wp.step <= 0) return;
  wipeStep(p, false);  // an unknown slow effect never finishes (until the next screen)
}

// ---- The 100 ms animations -------------------------------------------------

namespace {

// Steps every due sequence; true when a frame was drawn. endTick: a
// sequence with a follow-up passed its end frame, which ends this tick
// (what follows is the sequence owner's affair).
bool stepSequences(Player& p, bool& endTick) {
  PictureState& ps = p.pictures;
  const uint32_t now = p.platform.millis();
  bool drew = false;
  for (PictureSequence& q : ps.sequences) {
    if (!q.active || int32_t(now - q.dueTime) < 0) continue;
    q.dueTime = now + uint32_t(std::max(0, q.interval));
    const std::string frame = q.prefix + std::to_string(q.frame) + ".bmp";
    if (q.restore) {
      restoreRect(p, p.workArea, q.x, q.y, q.w, q.h);
      printPicture(p, q.x, q.y, frame);
    } else {
      const bool opaque = ps.opaqueDraw;
      ps.opaqueDraw = true;
      printPicture(p, q.x, q.y, frame);
      ps.opaqueDraw = opaque;
    }
    drew = true;
    if (!ps.suspendRefresh) {
      const Image* img = pictureInSlot(p, ps.currentPictureSlot);
      refreshRect(p, q.x, q.y, img ? img->width() : q.w, img ? img->height() : q.h);
    }
    const bool up = q.startFrame < q.endFrame;
    q.frame += up ? 1 : -1;
    if (q.once) q.active = false;
    if (up ? q.frame > q.endFrame : q.frame < q.endFrame) {
      q.frame = q.startFrame;
      if (q.followUp) {
        endTick = true;
        break;
      }
    }
  }
  return drew;
}

bool starIn(const Rect& area, int x, int y) {
  return !Rect{x, y, 8, 8}.intersected(area).empty();
}

// Picks a place for a star outside the exclusion; false when none was found
// in a bounded number of tries (an exclusion that covers nearly everything
// cannot hold the tick, and the star then waits for the next step).
bool placeStar(Player& p, Star& st, bool configured) {
  PictureState& ps = p.pictures;
  for (int tries = 0; tries < 64; ++tries) {
    if (configured) {
      st.x = ps.starArea.x + int(roundHalfEven(p.platform.random() * ps.starArea.w));
      st.y = ps.starArea.y + int(roundHalfEven(p.platform.random() * ps.starArea.h));
    } else {
      st.x = 4 + int(roundHalfEven(p.platform.random() * 470));
      st.y = 4 + int(roundHalfEven(p.platform.random() * 440));
    }
    if (!ps.starExclusionSet || !starIn(ps.starExclusion, st.x, st.y)) return true;
  }
  return false;
}

void stepStars(Player& p, bool sequenceDrew) {
  PictureState& ps = p.pictures;
  const int screen = p.engine.currentScreen;
  const bool configured = ps.showStars && screen == ps.starScreen;
  if (screen != 1) ps.starWarmUp = 0;
  if (ps.starsOff || (screen != 1 && !configured)) return;
  if (!configured && ps.starWarmUp < 8) {
    ++ps.starWarmUp;
    return;
  }
  const uint32_t now = p.platform.millis();
  if (int32_t(now - ps.nextStarStep) < 0) return;
  ps.nextStarStep = now + 150;
  for (Star& st : ps.stars) {
    if (st.phase == 0) {
      // A star that has not yet shown gets a place as well as a phase.
      st.phase = int(roundHalfEven(p.platform.random() * 7));
      if (!placeStar(p, st, configured)) {
        st.phase = 0;
        continue;
      }
    } else if (ps.starExclusionSet && starIn(ps.starExclusion, st.x, st.y)) {
      // A panel was drawn over the star: it moves on without touching it.
      st.phase = 20;
    } else {
      restoreRect(p, p.workArea, st.x, st.y, 8, 8);
      if (!sequenceDrew) refreshRect(p, st.x - 2, st.y - 2, 12, 12);
    }
    st.phase += 1;
    if (st.phase > 8) {
      st.phase = 1;
      if (!placeStar(p, st, configured)) {
        st.phase = 0;
        continue;
      }
    }
    const int n = st.phase <= 4 ? st.phase : 9 - st.phase;
    printPicture(p, st.x, st.y, "*star" + std::to_string(n) + ".bmp");
    if (!sequenceDrew) refreshRect(p, st.x - 2, st.y - 2, 12, 12);
  }
}

}  // namespace

void animationTick(Player& p) {
  PictureState& ps = p.pictures;
  if (ps.tickRunning) return;
  struct Guard {
    Player& p;
    int x, y;
    Surface* out;
    ~Guard() {
      p.pictures.pictureX = x;
      p.pictures.pictureY = y;
      p.engine.outputSurface = out;
      p.pictures.tickRunning = false;
    }
  } guard{p, ps.pictureX, ps.pictureY, p.engine.outputSurface};
  ps.tickRunning = true;
  // Animations belong to the work area, whatever the script draws on.
  p.engine.outputSurface = &p.workArea;
  bool endTick = false;
  const bool drew = stepSequences(p, endTick);
  if (endTick) return;
  stepStars(p, drew);
  if (drew) refreshRect(p, 0, 0, 639, 420);
}

void resetPicturesForScreen(Player& p) {
  PictureState& s = p.pictures;
  s.pictureCache.clear();
  s.currentPictureSlot = 0;
  s.opaqueDraw = false;
  s.overrideW = s.overrideH = s.sourceX = s.sourceY = 0;
  s.preserved = Rect{-1, 0, 0, 0};
  s.preservedPixels = Image();
  s.preservedFrom = nullptr;
  s.erasableOnShow = false;
  s.wipe = WipeState{};
  s.sequences = {};
  s.showStars = false;
  s.starsOff = false;
  s.stars = {};
  s.starExclusionSet = false;
}

}  // namespace vintara
