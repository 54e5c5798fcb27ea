// The tables of pointer-sensitive places of a screen, and the pointer's
// interaction state. All tables are emptied when a screen starts.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/image.h"
#include "platform/platform.h"

namespace vintara {

enum RegionKind { kForwardRegion = 1, kBackRegion = 2, kGameRegion = 4, kJumpRegion = 5 };

// Navigation regions, numbered 1 to 20 in creation order (index 0 is the
// "region 0" that navigation uses for its own target).
struct NavRegion {
  int left = 0, top = 0, right = 0, bottom = 0;
  std::string picture;          // hover picture
  std::string pressedPicture;   // shown while pressed
  std::string disabledPicture;  // drawn by "disable"
  int kind = 0;
  bool disabled = false;
  std::string target;
};

struct Hotspot {
  int left = 0, top = 0, width = 0, height = 0;
  std::string picture, selectedPicture;  // lower case, "" for none
  int scriptPos = 0;                     // first line of the body
  int visited = 1;                       // 1 not yet, -1 visited
  bool popup = false;                    // declared by popupbegin
  bool highlighted = false;
};

// Answer boxes drawn by the renderer.
struct AnswerBox {
  int x = 0, y = 0, height = 0, width = 0;
  int line = 0;  // textHistory number of the line that drew it
  int state = 0;
  int kind = 0;  // 0 ordinary; 100 scroll up, 101 down, 102 bar, 103 popdown, 104 audio; -1 go
};

enum FieldKind { kLetterField = 0, kNumberField = 1, kFormulaField = 2 };

struct AnswerField {
  int left = 0, right = 0, top = 0, bottom = 0;
  std::string text;
  Rgb background = 0xFFFFFF;
  int kind = kLetterField;
};

struct DropArea {
  int left = 0, top = 0, width = 0, height = 0;
};

struct DragItem {
  int left = 0, top = 0, width = 0, height = 0;
  std::string picture1, picture2, picture3;
  int area = 0;
  int flag = -1;
};

struct Popdown {
  int x = 0, y = 0, width = 0;
  std::string title;
  std::vector<std::string> words;
  bool open = false;
  int openBottom = 0;
  int box = -1;  // answer box of its button
};

struct RegionTable {
  static constexpr int kMaxNavRegions = 20;
  static constexpr int kMaxHotspots = 31;
  static constexpr int kMaxFields = 21;
  static constexpr int kMaxDropAreas = 11;
  static constexpr int kMaxPopdowns = 7;

  std::array<NavRegion, kMaxNavRegions + 1> nav{};  // 1..regionCount used
  int navCount = 0;
  std::vector<Hotspot> hotspots;
  int hotspotsToVisit = 0;
  int hotspotsVisited = 0;
  std::vector<AnswerBox> answerBoxTable;
  std::vector<AnswerField> answerFieldTable;
  int firstField = 0;     // first field of the current question
  int inputField = -1;    // field receiving input
  Rect focusFrame{};      // none when x is 0
  std::string fieldClipboard;  // clipboard text of the field last clicked
  std::vector<DropArea> dropAreas;
  std::vector<DragItem> dragItems;
  int dragItemsPlaced = 0;
  std::vector<Popdown> popdowns;
  int openPopdown = -1;
  bool popdownForward = false;
  bool popupPopdown = false;

  // Interaction state.
  int lastX = 0, lastY = 0;
  int lastButton = 0;
  int pressedBox = 0;  // +k box k-1 drawn pressed, -k pressed but outside, 0 none
  PointerShape pointer = PointerShape::Arrow;
  DragPayload drag;
  bool popupOpen = false;
  int openHotspot = -1;  // hotspot or popup whose body is running or open
  bool clearBeforeRedraw = false;
  bool busy = false;
  bool clickRunning = false;
  bool hotspotsEnabled = true;
  std::string highlightRect;  // "x,y,w,h" of the hover highlight on show
  bool automoveOn = false;
};

}  // namespace vintara
