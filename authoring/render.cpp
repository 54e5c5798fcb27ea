#include "authoring/render.h"

#include <stdlib.h>

#include <filesystem>
#include <system_error>

#include "engine/navigation.h"
#include "engine/player.h"
#include "platform/fake/fake_platform.h"
#include "platform/text_codec.h"
#include "shell/startup.h"

namespace fs = std::filesystem;

namespace vintara {

namespace {

// A folder for the pupil data that start-up creates, removed on leaving.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string tmpl = (fs::temp_directory_path() / "vintara-render-XXXXXX").string();
    if (mkdtemp(tmpl.data())) path_ = tmpl;
  }
  ~ScratchFolder() {
    std::error_code ec;
    if (!path_.empty()) fs::remove_all(path_, ec);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

Image compose(const Player& p) {
  Image out = p.workArea.drawing;
  const Surface& popup = p.popup;
  if (popup.visible && !popup.drawing.isNull())
    out.copyFrom(popup.drawing, popup.placement.x, popup.placement.y);
  return out;
}

bool parseInt(const std::string& text, int& value) {
  if (text.empty()) return false;
  size_t used = 0;
  try {
    value = std::stoi(text, &used);
  } catch (...) {
    return false;
  }
  return used == text.size();
}

}  // namespace

RenderResult renderScreen(FakePlatform& platform, const RenderRequest& request) {
  RenderResult result;
  ScratchFolder scratch;
  if (scratch.path().empty()) {
    result.error = "cannot make a temporary folder";
    return result;
  }
  platform.contentOption = request.content;
  platform.programDir = scratch.path();
  platform.userDataDir = scratch.path() + "/data";
  platform.commandLineText = "vintara";
  platform.mediaFolders.clear();
  platform.bundledFolders.clear();

  Player p(platform);
  try {
    if (!isContentRoot(request.content) && !isContentRoot(request.content + "/tolvenia")) {
      result.error = "no course at " + request.content + " (no vintara.del)";
      return result;
    }
    Form_Load(p);
    platform.advance(1);  // the hand-over timer after start-up
    const CourseTree& tree = p.content.tree;
    if (!tree.isNode(request.screen)) {
      result.error = "no screen " + std::to_string(request.screen) + " (the course has " +
                     std::to_string(tree.count()) + ")";
      result.messages = platform.messageTexts();
      return result;
    }
    if (!request.tier.empty()) p.pupil.tierLetter = request.tier;
    if (!request.award.empty()) p.pupil.awardLetter = request.award;
    // As navigation shows a screen.
    p.engine.currentScreen = request.screen;
    p.nav.useTemplate = isLeafForTemplate(p, request.screen);
    hardResetvars(p);
    runProgram(p);
    if (request.waitMs > 0) platform.advance(uint32_t(request.waitMs));
  } catch (const ProgramExit& e) {
    result.error = "the program ended (status " + std::to_string(e.code) + ")";
    result.messages = platform.messageTexts();
    return result;
  }
  result.messages = platform.messageTexts();
  result.image = compose(p);
  result.ok = true;
  return result;
}

std::string parseRenderArgs(const std::vector<std::string>& args, RenderRequest& request,
                            std::string& outFile) {
  bool haveScreen = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& into) {
      if (i + 1 >= args.size()) return false;
      into = args[++i];
      return true;
    };
    std::string v;
    if (a == "--screen") {
      if (!value(v) || !parseInt(v, request.screen) || request.screen < 1)
        return "--screen needs a screen number from 1";
      haveScreen = true;
    } else if (a == "--out") {
      if (!value(outFile) || outFile.empty()) return "--out needs a file name";
    } else if (a == "--tier") {
      if (!value(v) || (v != "H" && v != "F")) return "--tier is H or F";
      request.tier = v;
    } else if (a == "--award") {
      if (!value(v) || (v != "S" && v != "D")) return "--award is S or D";
      request.award = v;
    } else if (a == "--wait") {
      if (!value(v) || !parseInt(v, request.waitMs) || request.waitMs < 0 ||
          request.waitMs > 600000)
        return "--wait needs milliseconds (0 to 600000)";
    } else if (!a.empty() && a[0] == '-') {
      return "unknown option " + a;
    } else if (request.content.empty()) {
      request.content = a;
    } else {
      return "more than one content folder given";
    }
  }
  if (request.content.empty()) return "no content folder given";
  if (!haveScreen) return "--screen is required";
  if (outFile.empty()) return "--out is required";
  return {};
}

}  // namespace vintara
