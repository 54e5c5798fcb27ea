#include "shell/startup.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "assess/sound.h"
#include "content/pupil_file.h"
#include "engine/navigation.h"
#include "engine/player.h"
#include "output/pictures.h"
#include "output/rich_text.h"
#include "platform/text_codec.h"

namespace fs = std::filesystem;

namespace vintara {

const char* const kProductTitle = "Qelt Vintara";

namespace {

const char* const kBottomBar[] = {
    "@GoBack 113,407,54,33,100,*mmover.bmp",    "@GoBack 204,410,87,35,101,*wpover.bmp",
    "@GoBack 330,407,92,35,102,*calcover.bmp",  "@GoBack 556 ,407,73,35,103,*indxover.bmp",
    "@GoBack 455,406,63,35,105,*frmsover.bmp"};
const char* const kBottomBarTemplate[] = {
    "@GoBack 113,407,54,33,100,*mmtover.bmp",  "@GoBack 204,410,87,35,101,*wptover.bmp",
    "@GoBack 330,407,92,35,102,*clctover.bmp", "@GoBack 556,407,73,35,103,*indtover.bmp",
    "@GoBack 455,406,63,35,105,*frmtover.bmp"};

std::string joinLines(const char* const (&lines)[5]) {
  std::string out;
  for (const char* l : lines) {
    if (!out.empty()) out += "\r\n";
    out += l;
  }
  return out;
}

// The content root inside a candidate folder: the folder itself when it
// holds the probe file, or its "tolvenia" sub-folder (names without case).
std::string rootIn(const std::string& folder) {
  if (folder.empty()) return {};
  ContentPaths probe;
  probe.setRoot(folder);
  if (isContentRoot(folder)) return probe.root();
  std::string sub = probe.resolve("tolvenia");
  if (isContentRoot(sub)) return sub + "/";
  return {};
}

std::string scanForContent(Player& p) {
  if (auto r = rootIn(p.platform.configuredContentFolder()); !r.empty()) return r;
  for (const auto& m : p.platform.removableMediaFolders())
    if (auto r = rootIn(m); !r.empty()) return r;
  for (const auto& b : p.platform.bundledContentFolders())
    if (auto r = rootIn(b); !r.empty()) return r;
  return {};
}

void loadPopupBackground(Player& p) {
  for (;;) {
    if (auto img = p.platform.loadImage(p.content.native("pictures\\qeltpop.bmp"))) {
      p.popup.resize(img->width(), img->height());
      p.popup.backdrop.copyFrom(*img, 0, 0);
      p.popup.drawing = p.popup.backdrop;
      return;
    }
    if (p.message(std::string("Failed to load qeltpop.bmp. ") + kCdText, Buttons::RetryCancel,
                  Icon::Error) != Answer::Retry)
      p.platform.endProgram(1);
  }
}

void fillTopicTitles(Player& p) {
  p.shell.topicTitles = {"Electricity and Magnetism", "Forces and Motion", "Waves", "Energy",
                         "The Earth and Beyond",      "Radioactivity"};
  p.shell.topicTitleCount = 5;
}

void setUpMenus(Player& p) {
  p.setMenuCaption(MenuItem::UtilWordProcessor, "&Word processor");
  p.setMenuCaption(MenuItem::UtilCalculator, "&Calculator");
  p.setMenuCaption(MenuItem::UtilFormulaSheet, "&Formula Sheet");
  p.setMenuCaption(MenuItem::UtilIndex, "&Index");
  for (auto item : {MenuItem::UtilCalculator, MenuItem::UtilFormulaSheet, MenuItem::UtilIndex})
    p.setMenuVisible(item, true);
  p.setMenuVisible(MenuItem::UtilItem4, false);
}

}  // namespace

bool isContentRoot(const std::string& nativeFolder) {
  if (nativeFolder.empty()) return false;
  ContentPaths probe;
  probe.setRoot(nativeFolder);
  std::error_code ec;
  return fs::is_regular_file(probe.resolve("vintara.del"), ec);
}

std::string findContentRoot(Player& p) {
  if (p.content.paths.hasRoot()) return p.content.paths.root();
  for (;;) {
    std::string root = scanForContent(p);
    if (!root.empty()) {
      p.content.paths.setRoot(root);
      return p.content.paths.root();
    }
    if (p.message(std::string(kProductTitle) + " CD is missing from the CD-ROM Drive.",
                  Buttons::RetryCancel) != Answer::Retry)
      p.platform.endProgram(1);
  }
}

void createLorrendDataDirectory(Player& p) {
  // A portable or build-tree copy keeps its data beside the program; an
  // installed one under the user's data folder.
  std::string base = p.platform.programFolder();
  std::error_code ec;
  if (base.empty() || access(base.c_str(), W_OK) != 0) {
    base = p.platform.userDataFolder();
    fs::create_directories(base, ec);
  }
  const std::string folder = base + "/Vintara data";
  fs::create_directory(folder, ec);
  if (fs::is_directory(folder, ec)) {
    p.shell.dataFolder = folder;
    return;
  }
  p.message("This program was unable to create a data directory on your hard drive as '" +
            utf8ToCp1252(base) + "/" + "vintara" +
            " data'. Please ensure that there is enough Disk space before continuing.");
  p.platform.endProgram(1);
}

std::vector<std::string> mediaMountPoints(const std::string& mountsText) {
  std::vector<std::string> optical, removable;
  size_t start = 0;
  while (start < mountsText.size()) {
    size_t end = mountsText.find('\n', start);
    if (end == std::string::npos) end = mountsText.size();
    std::string line = mountsText.substr(start, end - start);
    start = end + 1;
    // device mountpoint type options ...; blanks in names are written \040.
    size_t a = line.find(' ');
    size_t b = a == std::string::npos ? a : line.find(' ', a + 1);
    size_t c = b == std::string::npos ? b : line.find(' ', b + 1);
    if (b == std::string::npos) continue;
    std::string point = line.substr(a + 1, b - a - 1);
    for (size_t k; (k = point.find("\\040")) != std::string::npos;) point.replace(k, 4, " ");
    const std::string type = line.substr(b + 1, c == std::string::npos ? c : c - b - 1);
    if (type == "iso9660" || type == "udf")
      optical.push_back(point);
    else if (point.rfind("/media/", 0) == 0 || point.rfind("/run/media/", 0) == 0)
      removable.push_back(point);
  }
  std::sort(optical.begin(), optical.end());
  std::sort(removable.begin(), removable.end());
  for (auto& r : removable)
    if (std::find(optical.begin(), optical.end(), r) == optical.end()) optical.push_back(r);
  return optical;
}

std::string commandLineDataFile(std::string_view cl) {
  if (cl.empty()) return {};
  const char delimiter = cl[0] == '"' ? '"' : ' ';
  const size_t found = cl.find(delimiter, 1);
  if (found == std::string_view::npos) return {};
  const size_t p = found + 1;  // 1-based position of the delimiter
  if (p + 4 > cl.size()) return {};
  std::string name(cl.substr(p, 999));
  while (!name.empty() && name[0] == ' ') name.erase(0, 1);
  return name;
}

Rect workAreaPlacement(int clientWidth, int clientHeight, double* scale) {
  double s = std::min(double(clientWidth) / kWorkAreaWidth, double(clientHeight) / kWorkAreaHeight);
  if (s <= 0) s = 1;
  // Whole-number factors keep pixels sharp; fractions only when the window
  // is smaller than twice the work area.
  if (s >= 2) s = std::floor(s);
  if (scale) *scale = s;
  const int w = int(std::lround(kWorkAreaWidth * s)), h = int(std::lround(kWorkAreaHeight * s));
  return {(clientWidth - w) / 2, (clientHeight - h) / 2, w, h};
}

void Form_Load(Player& p) {
  // 1. The transparency key colour is fixed (pure green, see image.h).
  p.engine.outputSurface = &p.workArea;                   // 2
  p.alwaysOn->start(100);  // the housekeeping tick runs from the start
  p.sound.soundClosed = true;                             // 3
  p.text.decimalSeparator = p.platform.decimalSeparator();  // 4
  p.content.ensureRoot = [&p] { findContentRoot(p); };
  findContentRoot(p);                                     // 5: the content search
  p.shell.dragPointer = "pictures\\dragicon\\screw.cur";
  p.platform.setDragPointer(p.content.native(p.shell.dragPointer));
  for (int style : {2, 1, 0}) {                           // 6
    setFontSize(p, style);
    measureText(p, p.workArea, "abc", style);
  }
  setFontSize(p, 4);
  measureText(p, p.workArea, "abc", 3);
  p.platform.setWindowTitle(kProductTitle);               // 7
  p.shell.bottomBarScript = joinLines(kBottomBar);        // 8
  p.shell.bottomBarScriptTemplate = joinLines(kBottomBarTemplate);
  setUpMenus(p);                                          // 9
  fillTopicTitles(p);                                     // 10
  p.setMenuCaption(MenuItem::HelpAbout, "About Qelt Vintara");  // 11
  // 12. The sound device has no control to move out of view.
  const uint32_t now = p.platform.millis();               // 13
  p.shell.breakDeadline = now > 2144783647u ? 0 : int32_t(now + 2700000u);
  createLorrendDataDirectory(p);                          // 14
  p.shell.helpFile = p.platform.programFolder() + "/vintara.hlp";  // 15
  p.shell.helpRegistered = true;
  newUserProfile(p);                                      // 16
  p.platform.centreMainWindow();                          // 17
  const std::string file = commandLineDataFile(p.platform.commandLine());  // 18
  if (!file.empty() && getUserProfile(p, cp1252ToUtf8(file)) == 1) {
    // A loaded pupil file resumes where the pupil left off: show the main
    // menu for it rather than an empty work area.
    hardResetvars(p);
    p.content.loadTree();
    p.engine.currentScreen = 0;
    runProgram(p);
    return;
  }
  loadPopupBackground(p);                                 // 19
  p.content.loadTree();  // the map is loaded before the first screen
  hardResetvars(p);                                       // 20
  p.engine.currentScreen = 0;                             // 21
  runProgram(p);
  // 22. The new-pupil dialog is created when it is first shown.
  p.platform.refreshRect({0, 0, kWorkAreaWidth, kWorkAreaHeight});  // 23
  p.shell.inputBlocked = 1;                               // 24
  p.forcedNew->start(1);                                  // 25
  p.platform.focusMainWindow();                           // 26
}

void forcedNew_timer(Player& p) {
  p.forcedNew->stop();
  std::error_code ec;
  fs::remove("access.prg", ec);
  p.pupilFile.dataChanged = false;
  // The new-pupil step: the main menu again, then input is accepted.
  p.engine.currentScreen = 0;
  runProgram(p);
  p.shell.inputBlocked = 0;
}

}  // namespace vintara
