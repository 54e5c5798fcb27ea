// State of pictures: the per-screen cache, where pictures go, the preserved
// area, the wipe in progress, picture sequences and the twinkling stars.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/image.h"

namespace vintara {

struct Surface;

struct CachedPicture {
  std::string name;  // exactly as the script gave it, prefix included
  std::shared_ptr<const Image> image;  // null when the file could not be loaded
};

struct WipeState {
  std::string effect;
  int x = 0, y = 0;
  int slot = 0;
  int step = 0;  // starts at 1; 0 = finished
  bool slow = false;
  bool onPopup = false;  // drawn on the popup panel instead of the work area
};

struct PictureSequence {
  bool active = false;
  std::string name, prefix;
  int x = 0, y = 0, w = 0, h = 0;
  int frame = 0, startFrame = 0, endFrame = 0;
  int interval = 100;
  unsigned dueTime = 0;
  bool restore = false, once = false, followUp = false;
};

struct Star {
  int x = 0, y = 0;
  int phase = 0;  // 0: not yet placed
};

struct PictureState {
  static constexpr int kMaxCache = 160;
  static constexpr int kMaxSequences = 11;

  std::vector<CachedPicture> pictureCache;  // numbered from 1
  // Pictures decoded from their files, by native path. The content does not
  // change while the program runs, so a file is decoded once and shared by
  // the screens that show it; past the budget the oldest are let go.
  static constexpr size_t kDecodedBudget = size_t(16) << 20;  // bytes
  std::unordered_map<std::string, std::shared_ptr<const Image>> decoded;
  std::vector<std::string> decodedOrder;
  size_t decodedBytes = 0;
  int currentPictureSlot = 0;
  int pictureX = 0, pictureY = 0;  // picturePos
  bool opaqueDraw = false;
  // Part of a bitmap that blitOpaque copies while width is non-zero.
  int overrideW = 0, overrideH = 0, sourceX = 0, sourceY = 0;
  // Preserved area (x = -1: none) and its saved pixels.
  Rect preserved{-1, 0, 0, 0};
  Image preservedPixels;
  Surface* preservedFrom = nullptr;  // the work area or the popup panel
  bool erasableOnShow = false;
  std::string backdropName;
  std::string examBackdropName;
  WipeState wipe;
  std::array<PictureSequence, kMaxSequences> sequences{};
  bool suspendRefresh = false;
  bool tickRunning = false;
  // Stars.
  std::array<Star, 4> stars{};
  int starWarmUp = 0;
  unsigned nextStarStep = 0;
  Rect starExclusion{};  // the last box drawn on the screen
  bool starExclusionSet = false;
  int starScreen = 0;  // the configured screen (0: none)
  Rect starArea{};
  bool showStars = false;  // "showstars true" on this screen
  bool starsOff = false;   // "showstars false" on this screen
  // Last rectangles drawn by "box"/"line" and erased by "erase".
  Rect lastBox{}, lastErased{};
  bool eraseInset = false;
};

}  // namespace vintara
