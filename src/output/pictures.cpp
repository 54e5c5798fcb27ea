// Pictures, backdrops and transitions.
#include "output/pictures.h"

#include "engine/player.h"

namespace vintara {

void resetPicturesForScreen(Player& p) {
  PictureState& s = p.pictures;
  s.pictureCache.clear();
  s.currentPictureSlot = 0;
  s.preserved = Rect{-1, 0, 0, 0};
  s.erasableOnShow = false;
  s.wipe = WipeState{};
  s.sequences = {};
  s.showStars = false;
}

void refreshRect(Player& p, int x, int y, int w, int h) { p.platform.refreshRect({x, y, w, h}); }

void restoreRect(Player& p, Surface& s, int x, int y, int w, int h) {
  (void)p;
  s.drawing.copyFrom(s.backdrop, Rect{x, y, w, h}, x, y);
}

void animationTick(Player& p) { (void)p; }

}  // namespace vintara
