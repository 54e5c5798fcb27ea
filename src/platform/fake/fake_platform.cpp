#include "platform/fake/fake_platform.h"

#include "assess/wav_info.h"
#include "content/content_paths.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace vintara {

struct FakePlatform::FakeTimerState {
  std::function<void()> onTick;
  bool active = false;
  int interval = 0;
  uint32_t due = 0;
};

class FakeTimer : public Timer {
 public:
  FakeTimer(FakePlatform& owner, std::function<void()> onTick) : owner_(owner) {
    state_ = new FakePlatform::FakeTimerState{std::move(onTick)};
    owner_.timers_.push_back(state_);
  }
  ~FakeTimer() override {
    auto& t = owner_.timers_;
    t.erase(std::remove(t.begin(), t.end(), state_), t.end());
    delete state_;
  }
  void start(int intervalMs) override {
    state_->interval = std::max(1, intervalMs);
    state_->due = owner_.now_ + uint32_t(state_->interval);
    state_->active = true;
  }
  void stop() override { state_->active = false; }
  bool isActive() const override { return state_->active; }
  int interval() const override { return state_->interval; }

 private:
  FakePlatform& owner_;
  FakePlatform::FakeTimerState* state_;
};

FakePlatform::FakePlatform() = default;
FakePlatform::~FakePlatform() = default;

std::vector<std::string> FakePlatform::messageTexts() const {
  std::vector<std::string> out;
  for (const auto& m : messages) out.push_back(m.text);
  return out;
}

double FakePlatform::random() {
  if (randoms.empty()) return 0.5;
  double r = randoms.front();
  randoms.pop_front();
  return r;
}

std::unique_ptr<Timer> FakePlatform::createTimer(std::function<void()> onTick) {
  return std::make_unique<FakeTimer>(*this, std::move(onTick));
}

void FakePlatform::advance(uint32_t ms) {
  const uint32_t target = now_ + ms;
  for (;;) {
    deliverSoundDone();
    FakeTimerState* next = nullptr;
    for (auto* t : timers_)
      if (t->active && int32_t(t->due - target) <= 0 && (!next || int32_t(t->due - next->due) < 0))
        next = t;
    if (!next) break;
    now_ = next->due;
    next->due = now_ + uint32_t(next->interval);
    auto tick = next->onTick;  // the callback may destroy the timer
    tick();
  }
  now_ = target;
  deliverSoundDone();
}

void FakePlatform::processEvents() {
  if (eventStepMs)
    advance(eventStepMs);
  else
    deliverSoundDone();
}

Answer FakePlatform::messageBox(const MessageRequest& request) {
  Answer a = Answer::Ok;
  if (!answers.empty()) {
    a = answers.front();
    answers.pop_front();
  } else {
    switch (request.buttons) {
      case Buttons::Ok: case Buttons::OkCancel: a = Answer::Ok; break;
      case Buttons::YesNo: case Buttons::YesNoCancel: a = Answer::Yes; break;
      case Buttons::RetryCancel: a = Answer::Cancel; break;
    }
  }
  messages.push_back({request.text, request.title, request.buttons, request.icon, a});
  return a;
}

void FakePlatform::endProgram(int code) {
  exitCode = code;
  throw ProgramExit{code};
}

std::optional<Image> FakePlatform::loadImage(const std::string& nativePath) {
  imageLoads.push_back(nativePath);
  auto it = images.find(nativePath);
  if (it != images.end()) return it->second;
  if (imageLoader) return imageLoader(nativePath);
  return std::nullopt;
}

int FakePlatform::charWidth(const FontSpec& font) {
  return std::max(1, int(std::lround(font.points * 0.6))) + (font.bold ? 1 : 0);
}

FontMetrics FakePlatform::fontMetrics(const FontSpec& font) {
  int h = int(std::lround(font.points * 96.0 / 72.0)) + 2;
  int ascent = h * 4 / 5;
  return {ascent, h - ascent, h};
}

std::array<int, 256> FakePlatform::charWidths(const FontSpec& font) {
  std::array<int, 256> w;
  w.fill(charWidth(font));
  return w;
}

int FakePlatform::textWidth(std::string_view text, const FontSpec& font) {
  return int(text.size()) * charWidth(font);
}

// Each character other than a blank is drawn as a solid block one pixel
// narrower than its cell, over the upper half of the line: enough for tests
// to see where text went and in which colour.
void FakePlatform::drawText(Image& target, int x, int y, std::string_view text,
                            const FontSpec& font, Rgb colour, const Rect* clip) {
  const int cw = charWidth(font);
  const int h = std::max(1, fontMetrics(font).height / 2);
  Rect area = clip ? clip->intersected({0, 0, target.width(), target.height()})
                   : Rect{0, 0, target.width(), target.height()};
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ' ') continue;
    Rect cell{x + int(i) * cw, y + 1, std::max(1, cw - 1), h};
    target.fillRect(cell.intersected(area), colour);
  }
  if (font.underline) {
    Rect line{x, y + fontMetrics(font).ascent + 1, int(text.size()) * cw, 1};
    target.fillRect(line.intersected(area), colour);
  }
}

bool FakePlatform::playSound(const std::string& nativePath) {
  bool ok = playable.count(nativePath) ||
            (playExisting && std::filesystem::is_regular_file(nativePath));
  std::optional<int> duration;
  if (ok && soundsEndByDuration && !playable.count(nativePath)) {
    std::string data;
    readWholeFile(nativePath, data);
    duration = wavDurationMs(data);
    ok = duration.has_value();
  }
  if (!ok) {
    failedSounds.push_back(nativePath);
    return false;
  }
  sounds.push_back(nativePath);
  soundActive_ = true;
  if (duration) {
    if (!soundEnd_)
      soundEnd_ = createTimer([this] {
        soundEnd_->stop();
        finishSound();
      });
    soundEnd_->start(std::max(1, *duration));
  }
  return true;
}

void FakePlatform::stopSound() {
  // The device reports completion of the stop (and close) afterwards, from
  // the event loop, whether or not a sound was playing.
  soundActive_ = false;
  if (soundEnd_) soundEnd_->stop();
  ++pendingDone_;
}

void FakePlatform::finishSound() {
  if (!soundActive_) return;
  soundActive_ = false;
  ++pendingDone_;
  deliverSoundDone();
}

void FakePlatform::deliverSoundDone() {
  while (pendingDone_ > 0) {
    --pendingDone_;
    if (soundDone_) soundDone_();
  }
}

namespace {
class FakePrintJob : public PrintJob {
 public:
  FakePrintJob(FakePlatform::PrintRecord& rec, bool fails) : rec_(rec), fails_(fails) {}
  void drawText(int, int, std::string_view text, const FontSpec&, Rgb) override {
    rec_.texts.emplace_back(text);
  }
  void drawImage(int, int, const Image&) override {}
  void drawLine(int, int, int, int, Rgb) override {}
  int textWidthTwips(std::string_view text, const FontSpec& font) override {
    return int(text.size()) * FakePlatform::charWidth(font) * 15;
  }
  void newPage() override { ++rec_.pages; }
  bool finish() override {
    rec_.finished = true;
    return !fails_;
  }

 private:
  FakePlatform::PrintRecord& rec_;
  bool fails_;
};
}  // namespace

std::unique_ptr<PrintJob> FakePlatform::startPrintJob() {
  if (printerCancels) return nullptr;
  printJobs.emplace_back();
  return std::make_unique<FakePrintJob>(printJobs.back(), printFails);
}

bool FakePlatform::startProgram(const std::string& nativePath,
                                const std::vector<std::string>& args, bool) {
  startedPrograms.emplace_back(nativePath, args);
  return startProgramResult;
}

void FakePlatform::showFeedbackBox(const FeedbackLayout& layout, const Rect& position,
                                   std::function<void()> onDismissed) {
  feedbackBoxes.emplace_back(layout, position);
  feedbackBoxOpen = true;
  feedbackDismissed_ = std::move(onDismissed);
}

void FakePlatform::closeFeedbackBox() {
  if (feedbackBoxOpen) ++feedbackBoxCloses;
  feedbackBoxOpen = false;
}

void FakePlatform::dismissFeedbackBox() {
  if (!feedbackBoxOpen) return;
  feedbackBoxOpen = false;
  if (auto dismissed = std::move(feedbackDismissed_)) dismissed();
}

}  // namespace vintara
