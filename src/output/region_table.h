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
// "region 0" that navigation uses for its own target). A region is hit when
// left < x < right and top <= y <= bottom. Its pictures are drawn at
// (left + 1, top + 1), where the button's state pictures go.
struct NavRegion {
  int left = 0, top = 0, right = 0, bottom = 0;
  std::string picture;          // hover picture, shown while the pointer is inside
  std::string pressedPicture;   // shown while the button is held down
  std::string disabledPicture;  // drawn on the cover by "disable"
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
  bool highlighted = false;              // the selected picture is on show
  bool highlightFailed = false;          // its picture could not be loaded
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

// Drag items: picture 1 is the item, picture 2 is drawn on its drop area
// when it is placed, picture 3 takes its old place. flag: -1 waiting to be
// placed, 0 placed.
struct DragItem {
  int left = 0, top = 0, width = 0, height = 0;
  std::string picture1, picture2, picture3;
  int area = 0;  // drop area where it belongs, counted from 1
  int flag = -1;
};

// Drag payload kinds the pointer code knows.
enum DragKind {
  kDragItemPayload = 30,   // a drag item; the text is its index
  kSpellLetterPayload = 15,  // a spelling-game letter; the text is its number (1 = A)
  kNumberPayload = 80,
  kFieldTextPayload = 81,
  kWordPayloadFirst = 100,  // 101 + box index: a word of word placement
  kWordPayloadLast = 124,
  kComponentPayloadFirst = 1000,  // circuit components from the toolbox
  kComponentPayloadLast = 1100,
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
  int openPopdown = -1;  // list number x 1000 + box, or -1
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
  bool clickRunning = false;
  bool hotspotsEnabled = true;
  std::string highlightRect;  // "x,y,w,h" of the hover highlight on show
  bool automoveOn = false;

  bool bodyRunning = false;  // a hotspot or popup body is being run
  bool pointerOnPopup = false;  // the last pointer position was over the popup panel
  bool dragStarted = false;  // the pending payload is being dragged
  int whatsThisTopic = 0;    // topic of the last "What's this?" menu

  // A hover or pressed picture drawn over navigation region
  // `overlayRegion`, with the pixels it covers.
  int overlayRegion = 0;
  bool overlayPressed = false;
  Rect overlayRect{};
  Image overlaySaved;

  // The meter dial's chosen step.
  int dialStep = 0;

  // Sounds of the audio buttons, in the order the buttons were drawn.
  std::vector<std::string> audioButtonSounds;

  // The word of the spelling game as the pupil builds it, and the word as
  // it was before a letter was taken out of it.
  std::string spellWord, spellWordBefore;
  bool letterFromWord = false;
};

}  // namespace vintara
