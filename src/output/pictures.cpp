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

std::string resolvePicturePath(Player& p, std::string_view name) { (void)p, (void)name; return {}; }
int loadPicture(Player& p, std::string_view name) { (void)p, (void)name; return 0; }
const Image* pictureInSlot(const Player& p, int slot) { (void)p, (void)slot; return nullptr; }
void showPicture(Player& p, bool loadOnly) { (void)p, (void)loadOnly; }
void printPicture(Player& p, int x, int y, std::string_view name) { (void)p, (void)x, (void)y, (void)name; }
void drawTransparent(Player& p, Surface& s, int slot, int x, int y, bool keepBackground) {
  (void)p, (void)s, (void)slot, (void)x, (void)y, (void)keepBackground;
}
void blitOpaque(Player& p, Surface& s, int slot, int x, int y) { (void)p, (void)s, (void)slot, (void)x, (void)y; }
void preserveArea(Player& p, int x, int y, int w, int h) { (void)p, (void)x, (void)y, (void)w, (void)h; }
void restorePreserved(Player& p, bool refresh) { (void)p, (void)refresh; }
void loadBackdrop(Player& p, bool noButtonBar) { (void)p, (void)noButtonBar; }
void runPictureEffect(Player& p) { (void)p; }
void stepPictureEffect(Player& p) { (void)p; }

}  // namespace vintara
