// A drawing surface: the work area, the popup panel, or the printer.
//
// Screen surfaces keep two images: the backdrop (the persistent background
// picture) and the drawing (everything drawn since). The window shows the
// drawing image; restoring a rectangle copies it back from the backdrop.
#pragma once

#include "platform/image.h"
#include "platform/platform.h"

namespace vintara {

constexpr int kWorkAreaWidth = 640;
constexpr int kWorkAreaHeight = 440;

struct Surface {
  enum class Kind { WorkArea, Popup, Printer };

  Kind kind = Kind::WorkArea;
  Image backdrop;
  Image drawing;
  // Where the surface lies in the work area (the popup panel moves).
  Rect placement{0, 0, kWorkAreaWidth, kWorkAreaHeight};
  bool visible = true;

  // The current drawing position, font and colour.
  int x = 0, y = 0;
  FontSpec font;
  Rgb colour = 0;

  // While printing: the open print job (coordinates in twips).
  PrintJob* printer = nullptr;

  bool isPrinter() const { return kind == Kind::Printer; }
  void resize(int w, int h, Rgb fill = 0xFFFFFF) {
    backdrop = Image(w, h, fill);
    drawing = Image(w, h, fill);
    placement.w = w;
    placement.h = h;
  }
  // Clears the drawing back to the backdrop.
  void clearToBackdrop() { drawing = backdrop; }
};

}  // namespace vintara
