// The platform of the real program: Qt widgets, timers, clipboard,
// printing and sound.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "platform/platform.h"
#include "platform/qt/qt_graphics.h"

class QWidget;

namespace vintara {

class QtSound;

class QtPlatform : public Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;

  // Set by main() from the program's arguments.
  std::string commandLineText;
  std::string contentOption;
  // The window that owns dialogs; hooks the main window sets.
  QWidget* mainWindow = nullptr;
  std::function<void(const Rect&)> onRefresh;
  std::function<void(PointerShape)> onPointer;
  std::function<void(MenuItem, const MenuItemState&)> onMenu;
  std::function<void(const std::string&)> onTitle;
  std::function<void(const DragPayload&)> onDrag;
  std::function<void(const std::string&)> onDragPointer;

  // Runs fn and turns a ProgramExit into the end of the application.
  // Afterwards afterEngine runs.
  static void guarded(const std::function<void()>& fn);
  // Set by the main window: shows the whole work area as the engine left it
  // (run after every guarded engine call, and before the event loop runs
  // inside one: message boxes, pauses), since the engine asks for a refresh
  // only where something must show at once.
  static inline std::function<void()> afterEngine;

  uint32_t millis() override;
  double random() override;
  std::unique_ptr<Timer> createTimer(std::function<void()> onTick) override;
  void processEvents() override;
  void pauseBriefly() override;
  Answer messageBox(const MessageRequest& request) override;
  [[noreturn]] void endProgram(int code) override;
  std::string commandLine() override { return commandLineText; }
  std::string programFolder() override;
  std::string userDataFolder() override;
  std::string configuredContentFolder() override;
  std::vector<std::string> removableMediaFolders() override;
  std::vector<std::string> bundledContentFolders() override;
  std::optional<Image> loadImage(const std::string& nativePath) override {
    return graphics_.loadImage(nativePath);
  }
  FontMetrics fontMetrics(const FontSpec& font) override { return graphics_.fontMetrics(font); }
  std::array<int, 256> charWidths(const FontSpec& font) override { return graphics_.charWidths(font); }
  int textWidth(std::string_view text, const FontSpec& font) override {
    return graphics_.textWidth(text, font);
  }
  void drawText(Image& target, int x, int y, std::string_view text, const FontSpec& font,
                Rgb colour, const Rect* clip) override {
    graphics_.drawText(target, x, y, text, font, colour, clip);
  }
  char decimalSeparator() override;
  void refreshRect(const Rect& r) override;
  void setPointerShape(PointerShape shape) override;
  void menuChanged(MenuItem item, const MenuItemState& state) override;
  void setWindowTitle(const std::string& title) override;
  void setClipboardText(const std::string& text) override;
  std::string clipboardText() override;
  bool playSound(const std::string& nativePath) override;
  void stopSound() override;
  void setSoundDoneHandler(std::function<void()> handler) override;
  std::unique_ptr<PrintJob> startPrintJob() override;
  bool startProgram(const std::string& nativePath, const std::vector<std::string>& args,
                    bool maximised) override;
  void startDrag(const DragPayload& payload) override;
  void setDragPointer(const std::string& nativePath) override;
  void centreMainWindow() override;
  void focusMainWindow() override;
  bool mainWindowMaximised() override;
  void showWhatsThisMenu(int topic) override;
  void showFeedbackBox(const FeedbackLayout& layout, const Rect& position,
                       std::function<void()> onDismissed) override;
  void closeFeedbackBox() override;

 private:
  QtGraphics graphics_;
  QtSound& sound();
  std::unique_ptr<QtSound> sound_;
  std::function<void()> soundDone_;
};

}  // namespace vintara
