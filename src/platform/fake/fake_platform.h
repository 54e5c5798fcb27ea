// The platform used by tests: a manual millisecond clock whose timers fire
// when the test advances time, message boxes answered from a script and
// recorded, an in-memory clipboard, a recording sound device, pictures
// registered by path and a simple fixed-pitch font.
#pragma once

#include <deque>
#include <map>
#include <set>

#include "assess/feedback_box.h"
#include "platform/platform.h"

namespace vintara {

struct RecordedMessage {
  std::string text;
  std::string title;
  Buttons buttons;
  Icon icon;
  Answer answer;
};

class FakePlatform : public Platform {
 public:
  FakePlatform();
  ~FakePlatform() override;

  // ---- test controls ----
  // Advances the clock by ms, firing due timers (in due order) on the way.
  void advance(uint32_t ms);
  void setClock(uint32_t ms) { now_ = ms; }
  // How far processEvents() moves the clock (0 = it only delivers events).
  uint32_t eventStepMs = 10;
  // Answers for the next message boxes, in order; when empty a default is
  // used: Ok, Yes, or Cancel for Retry/Cancel (so a forgotten answer never
  // loops on Retry).
  std::deque<Answer> answers;
  std::vector<RecordedMessage> messages;
  std::vector<std::string> messageTexts() const;
  // Random numbers: returns these in turn (then 0.5) when not empty.
  std::deque<double> randoms;

  std::string commandLineText = "vintara";
  std::string programDir = "/nonexistent";
  std::string userDataDir = "/nonexistent/data";
  std::string contentOption;
  std::vector<std::string> mediaFolders;
  std::vector<std::string> bundledFolders;
  int mediaScans = 0;

  // Pictures by native path; paths are compared exactly.
  std::map<std::string, Image> images;
  std::vector<std::string> imageLoads;  // every loadImage call, in order
  // Optional fallback used for paths that are not registered.
  std::function<std::optional<Image>(const std::string&)> imageLoader;

  std::vector<Rect> refreshes;
  PointerShape pointer = PointerShape::Arrow;
  std::map<MenuItem, MenuItemState> menus;
  std::string windowTitle;
  std::string clipboard;

  // Sound: files in `playable` (or any existing file when playExisting is
  // set) play; the test ends a sound with finishSound().
  std::set<std::string> playable;
  bool playExisting = false;
  // With playExisting: a sound is a wave file and ends by itself after the
  // duration its header gives, on the manual clock (the session player).
  bool soundsEndByDuration = false;
  std::vector<std::string> sounds;  // every successful play, in order
  std::vector<std::string> failedSounds;
  bool soundActive() const { return soundActive_; }
  void finishSound();  // the sound ends by itself; done is delivered now

  std::vector<int> helpTopics;
  std::vector<int> whatsThisMenus;  // topics of the "What's this?" menus shown
  std::vector<std::pair<std::string, std::vector<std::string>>> startedPrograms;
  bool startProgramResult = true;
  std::vector<DragPayload> drags;
  int exitCode = -1;  // set by endProgram

  // The feedback box: every box shown (layout and position), whether one is
  // open, how often the program closed it; dismissFeedbackBox() is the
  // pupil pressing Enter in it.
  std::vector<std::pair<FeedbackLayout, Rect>> feedbackBoxes;
  bool feedbackBoxOpen = false;
  int feedbackBoxCloses = 0;
  void dismissFeedbackBox();

  struct PrintRecord {
    std::vector<std::string> texts;  // every text drawn, in order
    int pages = 1;
    bool finished = false;
  };
  bool printerCancels = false;
  bool printFails = false;
  std::deque<PrintRecord> printJobs;  // stable references for open jobs

  // ---- Platform ----
  uint32_t millis() override { return now_; }
  double random() override;
  std::unique_ptr<Timer> createTimer(std::function<void()> onTick) override;
  void processEvents() override;
  void pauseBriefly() override { now_ += 1; }
  Answer messageBox(const MessageRequest& request) override;
  [[noreturn]] void endProgram(int code) override;
  std::string commandLine() override { return commandLineText; }
  std::string programFolder() override { return programDir; }
  std::string userDataFolder() override { return userDataDir; }
  std::string configuredContentFolder() override { return contentOption; }
  std::vector<std::string> removableMediaFolders() override {
    ++mediaScans;
    return mediaFolders;
  }
  std::vector<std::string> bundledContentFolders() override { return bundledFolders; }
  std::optional<Image> loadImage(const std::string& nativePath) override;
  FontMetrics fontMetrics(const FontSpec& font) override;
  std::array<int, 256> charWidths(const FontSpec& font) override;
  int textWidth(std::string_view text, const FontSpec& font) override;
  void drawText(Image& target, int x, int y, std::string_view text, const FontSpec& font,
                Rgb colour, const Rect* clip) override;
  void refreshRect(const Rect& r) override { refreshes.push_back(r); }
  void setPointerShape(PointerShape shape) override { pointer = shape; }
  void menuChanged(MenuItem item, const MenuItemState& state) override { menus[item] = state; }
  void setWindowTitle(const std::string& title) override { windowTitle = title; }
  void setClipboardText(const std::string& text) override { clipboard = text; }
  std::string clipboardText() override { return clipboard; }
  bool playSound(const std::string& nativePath) override;
  void stopSound() override;
  void setSoundDoneHandler(std::function<void()> handler) override {
    soundDone_ = std::move(handler);
  }
  std::unique_ptr<PrintJob> startPrintJob() override;
  void showHelpTopic(int topic, bool popup) override { helpTopics.push_back(topic); }
  void showWhatsThisMenu(int topic) override { whatsThisMenus.push_back(topic); }
  bool startProgram(const std::string& nativePath, const std::vector<std::string>& args,
                    bool maximised) override;
  void startDrag(const DragPayload& payload) override { drags.push_back(payload); }
  void showFeedbackBox(const FeedbackLayout& layout, const Rect& position,
                       std::function<void()> onDismissed) override;
  void closeFeedbackBox() override;

  // Fixed-pitch test font: every character is charWidth(font) pixels wide.
  static int charWidth(const FontSpec& font);

 private:
  struct FakeTimerState;
  friend class FakeTimer;
  void deliverSoundDone();

  uint32_t now_ = 1000;
  std::vector<FakeTimerState*> timers_;
  bool soundActive_ = false;
  std::unique_ptr<Timer> soundEnd_;
  int pendingDone_ = 0;
  std::function<void()> soundDone_;
  std::function<void()> feedbackDismissed_;
};

}  // namespace vintara
