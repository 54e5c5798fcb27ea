// Inside the rich-text renderer: the state of the one line being printed,
// shared by the markup scanner (rich_text.cpp) and the answer boxes
// (answer_boxes.cpp). Not for use outside the renderer.
#pragma once

#include <string>
#include <string_view>

#include "engine/player.h"

namespace vintara::text_render {

enum class BoxForm { None, Text, Tick, PictureOption, PictureBox };

// One line being printed or printed again.
struct Line {
  Player& p;
  Surface& s;
  int history = 0;         // textHistory number (1-based); 0 when not recorded
  bool firstPrint = true;  // a new line, not a redraw
  bool normal = true;      // boxes in the normal (true) or selected state
  bool oneLine = false;    // one line printed again (not the whole history)
  // Set by "#O" and "#P".
  BoxForm box = BoxForm::None;
  int boxIndex = -1;       // its answerBoxTable index (drawing order)
  bool boxStored = false;  // the box has an entry in the table
  int placeX = 0, placeY = 0;      // where the box was placed
  int boxX = 0, boxY = 0, boxW = 0, boxH = 0;  // its entry in the table
  bool boxHasText = false;
  int tickState = 0;  // a tick box: 1 ticked
  bool boxTextLowered = false;  // "#P" caption printed below the picture

  // Pixels on screen surfaces, twips on the printer.
  int unit() const { return s.isPrinter() ? 15 : 1; }
  int px(int pixels) const { return pixels * unit(); }
};

// Drawing on the line's surface (screen images or the print job), each
// drawn part shown on the screen at once.
void drawPiece(Line& l, std::string_view text);  // at the position; x advances
int pieceWidth(Line& l, std::string_view text);
void fillRect(Line& l, int x, int y, int w, int h, Rgb colour);
void drawLine(Line& l, int x0, int y0, int x1, int y1, Rgb colour, bool dotted = false);
void refreshArea(Line& l, int x, int y, int w, int h);
// Draws a picture at (x, y): transparent over what is there, or an opaque
// copy. Returns the picture's width and height (0 when it is missing).
struct Size {
  int w = 0, h = 0;
};
Size drawPicture(Line& l, std::string_view name, int x, int y, bool opaque = false);
Size pictureSize(Player& p, std::string_view name);

// A caption at (x, y) in which only "#f" and "#c" codes act; the others are
// dropped. Returns the x where it ended.
int printCaption(Line& l, std::string_view caption, int x, int y);
// The caption's characters without its codes.
std::string captionText(std::string_view caption);

// "#O" and "#P": the box is placed and drawn; `rest` is what follows the
// code letter and is left holding the text still to scan.
void startOptionBox(Line& l, std::string& rest);
void startPictureBox(Line& l, std::string& rest);
// The text left when the markup is exhausted, printed inside the box.
void printBoxText(Line& l, std::string text);
// After an answer-box line: where the next box and line go.
void finishBoxLine(Line& l);

Rgb qb(int index);

}  // namespace vintara::text_render
