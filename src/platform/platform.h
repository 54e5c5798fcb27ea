// Everything outside the program, behind one interface.
//
// The core (engine, output, assessment, content) never talks to the window
// system, the clock, the sound device or the clipboard directly; it calls
// this interface. The Qt layer implements it for the real program and for
// the headless authoring tools; platform/fake implements it for tests
// (manual clock, scripted message boxes, recording audio).
//
// All text crossing this interface is single-byte Windows-1252, exactly as
// it came from the content; implementations convert at their own edge.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/image.h"

namespace vintara {

struct FeedbackLayout;  // assess/feedback_box.h

// ---- Message boxes -------------------------------------------------------

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Icon { None, Error, Warning, Information, Question };
enum class Answer { Ok, Cancel, Yes, No, Retry };

struct MessageRequest {
  std::string text;   // Windows-1252
  std::string title;  // empty: the application title
  Buttons buttons = Buttons::Ok;
  Icon icon = Icon::None;
};

// Thrown to end the program from anywhere inside the core (a Cancel on a
// "CD is missing" prompt, an unreadable game-data file). Each entry point
// from the window system catches it and closes the application.
struct ProgramExit {
  int code = 0;
};

// ---- Timers --------------------------------------------------------------

class Timer {
 public:
  virtual ~Timer() = default;
  virtual void start(int intervalMs) = 0;  // (re)starts with this interval
  virtual void stop() = 0;
  virtual bool isActive() const = 0;
  virtual int interval() const = 0;
};

// ---- Fonts and text ------------------------------------------------------

struct FontSpec {
  std::string face = "arial";  // "arial", "arial11", "symbol"
  double points = 12;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool operator==(const FontSpec&) const = default;
};

struct FontMetrics {
  int ascent = 0;
  int descent = 0;
  int height = 0;
};

// ---- Menus of the main window --------------------------------------------
// The core keeps the state of the items it changes (captions, enabled,
// checked, visible) and tells the window whenever one changes.

enum class MenuItem {
  FileNew, FileOpen, FileSave, FileSaveAs, FilePrintExam, FilePrinterSetup,
  FilePreferences, FileExit,
  ReturnToMainMenu,
  UtilWordProcessor, UtilCalculator, UtilFormulaSheet, UtilIndex, UtilItem4,
  HelpTutorial, HelpAbout,
  Count
};

struct MenuItemState {
  std::string caption;  // with "&" for the access key
  bool enabled = true;
  bool checked = false;
  bool visible = true;
};

// ---- Pointer shapes and drag and drop ------------------------------------

enum class PointerShape { Arrow, Hand, Drag, Wait };

struct DragPayload {
  std::string text;
  int kind = 0;  // 0 none; see the drag payload kinds of the pointer code
};

// ---- Printing ------------------------------------------------------------

// A page being printed. Coordinates are twips (1/1440 inch) from the top
// left of the printable area, as the print code works in printer units.
class PrintJob {
 public:
  virtual ~PrintJob() = default;
  virtual void drawText(int xTwips, int yTwips, std::string_view text, const FontSpec& font,
                        Rgb colour) = 0;
  virtual void drawImage(int xTwips, int yTwips, const Image& image) = 0;
  virtual void drawLine(int x0, int y0, int x1, int y1, Rgb colour) = 0;
  virtual int textWidthTwips(std::string_view text, const FontSpec& font) = 0;
  virtual void newPage() = 0;
  // Ends the document; false when printing failed.
  virtual bool finish() = 0;
};

// ---- The interface -------------------------------------------------------

class Platform {
 public:
  virtual ~Platform() = default;

  // Clock and randomness. millis() is a monotonic millisecond clock that
  // wraps like the system's 32-bit tick count.
  virtual uint32_t millis() = 0;
  virtual double random() = 0;  // uniform in [0, 1)

  // Timers fire on the user-interface thread between other events.
  virtual std::unique_ptr<Timer> createTimer(std::function<void()> onTick) = 0;
  // Lets queued events run (timers, sound completion, input, painting).
  // Used by the waits that keep the window responsive.
  virtual void processEvents() = 0;
  // One step of a busy wait: returns after a short moment without running
  // other events.
  virtual void pauseBriefly() = 0;

  virtual Answer messageBox(const MessageRequest& request) = 0;

  // Ends the program: throws ProgramExit after closing what must be closed.
  [[noreturn]] virtual void endProgram(int code = 0) = 0;

  // The raw command line (program path first), as one text.
  virtual std::string commandLine() = 0;
  // Folder of the running program (native path, no trailing slash).
  virtual std::string programFolder() = 0;
  // Where pupil data lives when the program folder is not writable.
  virtual std::string userDataFolder() = 0;

  // Content discovery: a folder given by the user (option or environment),
  // the mount points of optical and removable media in a fixed order, and the
  // places of the installed (or built) demo course.
  virtual std::string configuredContentFolder() = 0;
  virtual std::vector<std::string> removableMediaFolders() = 0;
  virtual std::vector<std::string> bundledContentFolders() = 0;

  // Pictures and text drawing.
  virtual std::optional<Image> loadImage(const std::string& nativePath) = 0;
  virtual FontMetrics fontMetrics(const FontSpec& font) = 0;
  // Advance widths of the 256 codes in this font, in pixels.
  virtual std::array<int, 256> charWidths(const FontSpec& font) = 0;
  virtual int textWidth(std::string_view text, const FontSpec& font) = 0;
  // Draws text with its top-left cell corner at (x, y), clipped to `clip`
  // when it is given.
  virtual void drawText(Image& target, int x, int y, std::string_view text,
                        const FontSpec& font, Rgb colour, const Rect* clip = nullptr) = 0;

  // The locale's decimal separator ("." or ",").
  virtual char decimalSeparator() { return '.'; }

  // The work area window: show this rectangle of the drawing image now.
  virtual void refreshRect(const Rect& r) = 0;
  virtual void setPointerShape(PointerShape shape) { (void)shape; }
  virtual void menuChanged(MenuItem item, const MenuItemState& state) { (void)item, (void)state; }
  virtual void setWindowTitle(const std::string& title) { (void)title; }

  virtual void setClipboardText(const std::string& text) = 0;
  virtual std::string clipboardText() = 0;

  // Sound: one sound at a time. playSound returns false when the file cannot
  // be opened or played. The done handler is called (later, from the event
  // loop) when a play ends by itself or after stopSound.
  virtual bool playSound(const std::string& nativePath) = 0;
  virtual void stopSound() = 0;
  virtual void setSoundDoneHandler(std::function<void()> handler) = 0;

  // Printing: asks the printer dialog; nullptr when the pupil cancels.
  virtual std::unique_ptr<PrintJob> startPrintJob() { return nullptr; }

  // Help topics by number, as a full topic or a small popup.
  virtual void showHelpTopic(int topic, bool popup) { (void)topic, (void)popup; }
  // The "What's this?" context menu at the pointer; its entry opens `topic`
  // as a popup.
  virtual void showWhatsThisMenu(int topic) { (void)topic; }

  // Starts another program without a shell; false when it cannot start.
  virtual bool startProgram(const std::string& nativePath, const std::vector<std::string>& args,
                            bool maximised) {
    (void)nativePath, (void)args, (void)maximised;
    return false;
  }

  // Drag and drop from the work area.
  virtual void startDrag(const DragPayload& payload) { (void)payload; }
  // The work area's drag pointer, from a cursor or picture file.
  virtual void setDragPointer(const std::string& nativePath) { (void)nativePath; }

  // The main window: centred on the screen at start-up; the keyboard focus
  // returned to it.
  virtual void centreMainWindow() {}
  virtual void focusMainWindow() {}
  virtual bool mainWindowMaximised() { return false; }

  // The feedback box, shown without being modal and owned by the main
  // window. position: x, y the work-area point it is placed from, w, h its
  // size. onDismissed runs when the pupil presses Enter in it or closes it;
  // closeFeedbackBox (the program closing it) never runs it.
  virtual void showFeedbackBox(const FeedbackLayout& layout, const Rect& position,
                               std::function<void()> onDismissed) {
    (void)layout, (void)position, (void)onDismissed;
  }
  virtual void closeFeedbackBox() {}
};

}  // namespace vintara
