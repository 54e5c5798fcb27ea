#include "authoring/play.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <sstream>

#include "engine/navigation.h"
#include "engine/player.h"
#include "engine/trace.h"
#include "output/fields.h"
#include "output/pointer.h"
#include "platform/fake/fake_platform.h"
#include "platform/text_codec.h"
#include "shell/startup.h"

namespace fs = std::filesystem;

namespace vintara {

namespace {

std::string trim(const std::string& s) {
  const size_t a = s.find_first_not_of(" \t\r");
  if (a == std::string::npos) return {};
  const size_t b = s.find_last_not_of(" \t\r");
  return s.substr(a, b - a + 1);
}

bool readInt(const std::string& word, int& out) {
  if (word.empty()) return false;
  char* end = nullptr;
  const long v = std::strtol(word.c_str(), &end, 10);
  if (*end != '\0' || v < -100000 || v > 100000) return false;
  out = int(v);
  return true;
}

// How many numbers each verb takes, and whether a word may follow them.
struct VerbShape {
  const char* verb;
  int numbers;
  enum { None, Button, Word, Text, Caption } rest;
};
constexpr VerbShape kVerbs[] = {
    {"click", 2, VerbShape::Button},   {"press", 2, VerbShape::Button},
    {"release", 2, VerbShape::Button}, {"move", 2, VerbShape::None},
    {"drag", 4, VerbShape::None},      {"key", 0, VerbShape::Text},
    {"keycode", 1, VerbShape::None},   {"forward", 0, VerbShape::None},
    {"back", 0, VerbShape::None},      {"menu", 0, VerbShape::Word},
    {"answer", 0, VerbShape::Word},    {"wait", 1, VerbShape::None},
    {"sound-end", 0, VerbShape::None}, {"expect-screen", 1, VerbShape::None},
    {"expect-caption", 0, VerbShape::Caption},
};

const char* buttonsText(Buttons b) {
  switch (b) {
    case Buttons::Ok: return "OK";
    case Buttons::OkCancel: return "OK/Cancel";
    case Buttons::YesNo: return "Yes/No";
    case Buttons::YesNoCancel: return "Yes/No/Cancel";
    case Buttons::RetryCancel: return "Retry/Cancel";
  }
  return "";
}

const char* answerText(Answer a) {
  switch (a) {
    case Answer::Ok: return "OK";
    case Answer::Cancel: return "Cancel";
    case Answer::Yes: return "Yes";
    case Answer::No: return "No";
    case Answer::Retry: return "Retry";
  }
  return "";
}

bool parseAnswer(std::string word, Answer& out) {
  word = toLower(word);
  if (word == "ok") out = Answer::Ok;
  else if (word == "yes") out = Answer::Yes;
  else if (word == "no") out = Answer::No;
  else if (word == "retry") out = Answer::Retry;
  else if (word == "cancel") out = Answer::Cancel;
  else return false;
  return true;
}

}  // namespace

bool parseEvents(const std::string& text, std::vector<PlayEvent>& events, std::string& error) {
  std::istringstream in(text);
  std::string raw;
  int lineNumber = 0;
  while (std::getline(in, raw)) {
    ++lineNumber;
    const std::string line = trim(raw);
    if (line.empty() || line[0] == '#') continue;
    PlayEvent e;
    e.line = lineNumber;
    e.source = line;
    std::istringstream words(line);
    words >> e.verb;
    const VerbShape* shape = nullptr;
    for (const VerbShape& v : kVerbs)
      if (e.verb == v.verb) shape = &v;
    auto fail = [&](const std::string& why) {
      error = "line " + std::to_string(lineNumber) + ": " + why;
      return false;
    };
    if (!shape) return fail("unknown event \"" + e.verb + "\"");
    for (int i = 0; i < shape->numbers; ++i) {
      std::string w;
      int v = 0;
      if (!(words >> w) || !readInt(w, v))
        return fail(e.verb + " takes " + std::to_string(shape->numbers) + " whole numbers");
      e.numbers.push_back(v);
    }
    std::string rest;
    std::getline(words, rest);
    rest = trim(rest);
    switch (shape->rest) {
      case VerbShape::None:
        if (!rest.empty()) return fail("unexpected \"" + rest + "\" after " + e.verb);
        break;
      case VerbShape::Button:
        if (!rest.empty() && rest != "left" && rest != "right")
          return fail("the button is \"left\" or \"right\", not \"" + rest + "\"");
        e.word = rest;
        break;
      case VerbShape::Word:
        if (rest.empty()) return fail(e.verb + " needs a word");
        e.word = rest;
        if (e.verb == "answer") {
          Answer a;
          if (!parseAnswer(rest, a)) return fail("the answer is Ok, Yes, No, Retry or Cancel");
        }
        if (e.verb == "menu" && toLower(rest) != "return") return fail("the menu item is \"return\"");
        break;
      case VerbShape::Caption:
        if (rest.empty()) return fail(e.verb + " needs the caption of a screen");
        e.text = utf8ToCp1252(rest);
        break;
      case VerbShape::Text: {
        // The text is everything after "key " as written.
        const size_t at = raw.find("key");
        std::string t = raw.substr(at + 3);
        if (!t.empty() && t[0] == ' ') t.erase(0, 1);
        while (!t.empty() && (t.back() == '\r' || t.back() == '\n')) t.pop_back();
        if (t.empty()) return fail("key needs the text to type");
        e.text = t;
        break;
      }
    }
    events.push_back(e);
  }
  return true;
}

// Prints what the session does: the trace hooks of the core and the
// platform's records, in the order they happen.
class SessionPlayer::Recorder : public Trace {
 public:
  Recorder(FakePlatform& pf, std::ostream& out) : pf_(pf), out_(out) {}

  void setPaths(const std::string& contentRoot, const std::string& programFolder) {
    contentRoot_ = contentRoot;
    programFolder_ = programFolder;
  }

  // Prints what the platform recorded since the last call.
  void flush() {
    for (; messages_ < pf_.messages.size(); ++messages_) {
      const RecordedMessage& m = pf_.messages[messages_];
      line("message \"" + clean(m.text) + "\" [" + buttonsText(m.buttons) + "] -> " +
           answerText(m.answer));
    }
    for (; sounds_ < pf_.sounds.size(); ++sounds_) line("sound " + clean(pf_.sounds[sounds_]));
    for (; failedSounds_ < pf_.failedSounds.size(); ++failedSounds_)
      line("sound not played " + clean(pf_.failedSounds[failedSounds_]));
    for (; help_ < pf_.helpTopics.size(); ++help_) line("help topic " + std::to_string(pf_.helpTopics[help_]));
    for (; whatsThis_ < pf_.whatsThisMenus.size(); ++whatsThis_)
      line("what's this menu, topic " + std::to_string(pf_.whatsThisMenus[whatsThis_]));
    for (; drags_ < pf_.drags.size(); ++drags_)
      line("drag kind " + std::to_string(pf_.drags[drags_].kind) + " \"" + clean(pf_.drags[drags_].text) + "\"");
    for (; programs_ < pf_.startedPrograms.size(); ++programs_) {
      std::string args;
      for (const auto& a : pf_.startedPrograms[programs_].second) args += " " + a;
      line("program started " + clean(pf_.startedPrograms[programs_].first) + args);
    }
    for (; prints_ < pf_.printJobs.size(); ++prints_) {
      const auto& job = pf_.printJobs[prints_];
      line("printed " + std::to_string(job.pages) + " page(s)" + (job.finished ? "" : ", not finished"));
      for (const auto& t : job.texts) line("  \"" + clean(t) + "\"");
    }
  }

  void line(const std::string& text) { out_ << "  " << text << "\n"; }

  void screenEntered(int screen, const std::string& caption, const std::string& scriptFile) override {
    flush();
    line("screen " + std::to_string(screen) + " \"" + clean(caption) + "\" " + clean(scriptFile));
  }
  void regionHit(const std::string& what, int index) override {
    flush();
    line("region " + what + " " + std::to_string(index));
  }
  void navigation(const std::string& what, int from, int to) override {
    flush();
    line(what + " " + std::to_string(from) + " -> " + std::to_string(to));
  }
  void responses(const std::vector<std::string>& items) override {
    flush();
    std::string all;
    for (const auto& i : items) all += " \"" + clean(i) + "\"";
    line("responses" + all);
  }
  void markDrawn(int box, bool tick) override {
    flush();
    line(std::string(tick ? "tick" : "cross") + " on box " + std::to_string(box));
  }
  void fieldJudged(int field, bool right) override {
    flush();
    line("field " + std::to_string(field) + (right ? " right" : " wrong"));
  }
  void feedbackChosen(const std::string& blockWord) override {
    flush();
    line("feedback block " + clean(blockWord));
  }
  void feedbackShown(const std::string& verdict, const std::string& text) override {
    flush();
    line("feedback " + clean(verdict) + " \"" + clean(text) + "\"");
  }
  void note(const std::string& text) override {
    flush();
    line(clean(text));
  }

 private:
  // Content text as UTF-8, with the folders of this run named generally.
  std::string clean(const std::string& text) const {
    std::string s = cp1252ToUtf8(text);
    auto replaceAll = [&s](const std::string& from, const std::string& to) {
      if (from.empty()) return;
      for (size_t at = 0; (at = s.find(from, at)) != std::string::npos; at += to.size())
        s.replace(at, from.size(), to);
    };
    replaceAll(contentRoot_, "CONTENT/");
    replaceAll(programFolder_, "PROGRAM");
    for (char& c : s)
      if (c == '\r' || c == '\n') c = '|';
    return s;
  }

  FakePlatform& pf_;
  std::ostream& out_;
  std::string contentRoot_, programFolder_;
  size_t messages_ = 0, sounds_ = 0, failedSounds_ = 0, help_ = 0, whatsThis_ = 0, drags_ = 0,
         programs_ = 0, prints_ = 0;
};

SessionPlayer::SessionPlayer(FakePlatform& platform, std::ostream& out)
    : platform_(platform), out_(out), recorder_(std::make_unique<Recorder>(platform, out)) {}

SessionPlayer::~SessionPlayer() {
  player_.reset();
  if (!tempFolder_.empty()) {
    std::error_code ec;
    fs::remove_all(tempFolder_, ec);
  }
}

Player& SessionPlayer::player() { return *player_; }

Image SessionPlayer::screen() const {
  Image img = player_->workArea.drawing;
  const Surface& popup = player_->popup;
  if (popup.visible && !popup.drawing.isNull())
    img.copyFrom(popup.drawing, Rect{0, 0, popup.drawing.width(), popup.drawing.height()},
                 popup.placement.x, popup.placement.y);
  return img;
}

bool SessionPlayer::start(const std::string& contentFolder, const PlayOptions& options) {
  options_ = options;
  // The program's own folder: a fresh one for the pupil data of this run.
  std::string tmpl = (fs::temp_directory_path() / "vintara-play-XXXXXX").string();
  if (!mkdtemp(tmpl.data())) {
    out_ << "cannot make a temporary folder\n";
    return false;
  }
  tempFolder_ = tmpl;
  const std::string program = tempFolder_ + "/program";
  fs::create_directories(program);
  std::error_code ec;
  platform_.contentOption = fs::absolute(contentFolder, ec).string();
  platform_.programDir = program;
  platform_.userDataDir = tempFolder_ + "/data";
  platform_.commandLineText = "\"" + program + "/vintara\"";
  platform_.playExisting = true;
  platform_.soundsEndByDuration = true;

  player_ = std::make_unique<Player>(platform_);
  player_->trace = recorder_.get();
  recorder_->setPaths("", program);
  out_ << "start\n";
  try {
    Form_Load(*player_);
  } catch (const ProgramExit& e) {
    recorder_->flush();
    out_ << "end of program (code " << e.code << ")\n";
    ended_ = true;
    return false;
  }
  recorder_->setPaths(player_->content.paths.root(), program);
  recorder_->flush();
  // The new-pupil step asks for the tier and award, then shows the main
  // menu again and accepts input.
  player_->pupil.tierLetter = options_.tier;
  player_->pupil.awardLetter = options_.award;
  out_ << "hand-over: tier " << options_.tier << ", award " << options_.award << "\n";
  try {
    platform_.advance(1);
  } catch (const ProgramExit& e) {
    recorder_->flush();
    out_ << "end of program (code " << e.code << ")\n";
    ended_ = true;
    return false;
  }
  recorder_->flush();
  return true;
}

void SessionPlayer::clickAt(int x, int y, int button) {
  Player& p = *player_;
  onPointerMove(p, 0, x, y);
  onPointerDown(p, button, x, y);
  onPointerUp(p, button, x, y);
  onClick(p);
}

bool SessionPlayer::runEvent(const PlayEvent& e) {
  Player& p = *player_;
  const int button = e.word == "right" ? 2 : 1;
  const auto& n = e.numbers;
  auto inWorkArea = [](int x, int y) { return x >= 0 && y >= 0 && x < kWorkAreaWidth && y < kWorkAreaHeight; };

  if (e.verb == "click") {
    clickAt(n[0], n[1], button);
  } else if (e.verb == "press") {
    onPointerMove(p, heldButton_ == 1 ? 1 : 0, n[0], n[1]);
    heldButton_ = button;
    pressInside_ = inWorkArea(n[0], n[1]);
    onPointerDown(p, button, n[0], n[1]);
  } else if (e.verb == "move") {
    onPointerMove(p, heldButton_ == 1 ? 1 : 0, n[0], n[1]);
  } else if (e.verb == "release") {
    onPointerMove(p, heldButton_ == 1 ? 1 : 0, n[0], n[1]);
    const bool click = pressInside_ && inWorkArea(n[0], n[1]);
    heldButton_ = 0;
    pressInside_ = false;
    onPointerUp(p, button, n[0], n[1]);
    if (click) onClick(p);
  } else if (e.verb == "drag") {
    onPointerMove(p, 0, n[0], n[1]);
    onPointerDown(p, 1, n[0], n[1]);
    const size_t drags = platform_.drags.size();
    onPointerMove(p, 1, n[2], n[3]);
    if (platform_.drags.size() > drags) {
      onDragOver(p, n[2], n[3]);
      onDrop(p, n[2], n[3]);
      onDragFinished(p);
    } else {
      onPointerUp(p, 1, n[2], n[3]);
      onClick(p);
    }
  } else if (e.verb == "key") {
    for (unsigned char c : utf8ToCp1252(e.text)) {
      onKeyPress(p, c);
      onKeyUp(p, c);
    }
  } else if (e.verb == "keycode") {
    onKeyPress(p, n[0]);
    onKeyUp(p, n[0]);
  } else if (e.verb == "forward" || e.verb == "back") {
    const bool forward = e.verb == "forward";
    const RegionTable& r = p.regions;
    int found = 0;
    for (int i = r.navCount; i >= 1 && !found; --i) {
      const NavRegion& reg = r.nav[size_t(i)];
      if (reg.disabled) continue;
      if (forward && reg.kind == kForwardRegion) found = i;
      if (!forward && reg.kind == kBackRegion) {
        char* end = nullptr;
        const long t = std::strtol(reg.target.c_str(), &end, 10);
        if (*end == '\0' && t < 100 && !(t >= 50 && t <= 80)) found = i;
      }
    }
    if (!found) {
      recorder_->line("FAILED: no " + e.verb + " button on screen " + std::to_string(p.engine.currentScreen));
      return false;
    }
    const NavRegion& reg = r.nav[size_t(found)];
    clickAt((reg.left + reg.right) / 2, (reg.top + reg.bottom) / 2, 1);
  } else if (e.verb == "menu") {
    if (!p.menu(MenuItem::ReturnToMainMenu).enabled) {
      recorder_->line("menu item \"Return to main menu\" is disabled");
    } else {
      mnuReturn_Click(p);
    }
  } else if (e.verb == "answer") {
    Answer a = Answer::Ok;
    parseAnswer(e.word, a);
    platform_.answers.push_back(a);
  } else if (e.verb == "wait") {
    platform_.advance(uint32_t(std::max(0, n[0])));
  } else if (e.verb == "sound-end") {
    platform_.finishSound();
  } else if (e.verb == "expect-caption") {
    recorder_->flush();
    const std::string& shown = p.content.tree.caption(p.engine.currentScreen);
    if (shown != e.text) {
      recorder_->line("FAILED: expected the screen \"" + cp1252ToUtf8(e.text) + "\", screen " +
                      std::to_string(p.engine.currentScreen) + " \"" + cp1252ToUtf8(shown) +
                      "\" is shown");
      return false;
    }
  } else if (e.verb == "expect-screen") {
    recorder_->flush();
    if (p.engine.currentScreen != n[0]) {
      recorder_->line("FAILED: expected screen " + std::to_string(n[0]) + ", screen " +
                      std::to_string(p.engine.currentScreen) + " is shown");
      return false;
    }
  }
  return true;
}

int SessionPlayer::run(const std::vector<PlayEvent>& events) {
  if (!player_) return 1;
  int number = 0;
  for (const PlayEvent& e : events) {
    if (ended_) {
      out_ << "events after the end of the program were not run (line " << e.line << ")\n";
      return 1;
    }
    ++number;
    out_ << "> " << e.source << "\n";
    bool ok = true;
    try {
      ok = runEvent(e);
    } catch (const ProgramExit& x) {
      recorder_->flush();
      out_ << "end of program (code " << x.code << ")\n";
      ended_ = true;
    }
    recorder_->flush();
    if (options_.snapshot && player_) options_.snapshot(number, screen());
    if (!ok) return 1;
  }
  return 0;
}

}  // namespace vintara
