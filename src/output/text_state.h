// State of the rich-text renderer: fonts, line layout, the history of the
// lines printed on this screen and the tables of what they drew.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/image.h"

namespace vintara {

struct Surface;

struct TextHistoryEntry {
  int x = 0, y = 0;
  std::string text;
  Rgb colour = 0;
};

// Layout of answer boxes, set by the "question" command.
struct BoxLayout {
  int width = 200;
  int horizontalGap = 0;
  int verticalGap = 0;
  int perRow = 1;  // also the question type
  int noCentre = 0;
  int lines = 1;
  int style = 0;
  std::string background = "white";
  int textColour = 15;
  int highlightColour = 14;
};

struct WordGap {
  int x = 0, y = 0;
};

struct DragNumber {
  int x = 0, y = 0, width = 0, fontSize = 0;
  std::string text;
  int kind = 1;
};

struct HotWord {
  int x = 0, y = 0, width = 0, height = 0;
  std::string text;
};

struct SavedPlace {
  Surface* surface = nullptr;
  int x = 0, y = 0;
};

struct TextState {
  static constexpr int kMaxHistory = 120;
  static constexpr int kMaxBoxes = 25;
  static constexpr int kMaxWordGaps = 25;
  static constexpr int kMaxTabStops = 11;
  static constexpr int kMaxHotWords = 10;
  static constexpr int kMaxDragNumbers = 10;

  int fontId = 1;
  int lineHeight = 21;
  int lineStartX = 0;
  int boxLeft = 0;
  int lineGapToggle = 0;
  int textGap = 0;
  bool printingPage = false;
  bool overprintMode = false;
  char decimalSeparator = '.';
  int popdownWidth = 0;
  int extraBoxHeight = 0;
  int matchedBoxCursor = 0;
  int firstEmptyBox = 0;  // index of the first empty answer box (0: none yet)
  int currentExamQuestion = 0;  // kept by the exam pages
  // Button kind of the boxes being drawn (0 ordinary answer boxes; the
  // pointer code's kinds for popdown, audio, scroll and go buttons). Set by
  // the code that draws such buttons, around its printText call.
  int buttonKind = 0;
  // Set while a popdown list is drawn: its lines keep the tab-stop index.
  bool popdownDrawing = false;
  bool firstEmptySeen = false;  // firstEmptyBox holds the first empty box
  int overprintX = 0, overprintY = 0;  // where "#%" started

  BoxLayout boxLayout;
  std::vector<TextHistoryEntry> textHistory;  // numbered from 1
  std::vector<WordGap> wordGapTable;
  std::vector<DragNumber> dragNumberTable;
  std::vector<HotWord> hotWordTable;
  std::array<int, kMaxTabStops> tabStops{};
  int tabIndex = 0;
  std::vector<SavedPlace> positionStack;

  // measureText width tables for fonts 0 to 3, filled on first use.
  std::array<std::array<int, 256>, 4> widthTables{};
  std::array<bool, 4> widthTableFilled{};
};

}  // namespace vintara
