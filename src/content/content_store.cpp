#include "content/content_store.h"

#include <algorithm>

#include "platform/platform.h"

namespace vintara {

std::string menuName(std::string_view caption) {
  int len = int(caption.size());
  if (len > 26) {
    len -= 25;
    if (len > 26) len = 26;
  }
  std::string name(1, char(64 + len));
  for (size_t i = 0; i < 15 && i < caption.size(); i += 2) {
    char c = caption[i];
    switch (c) {
      case '-': c = 'N'; break;
      case '+': c = 'P'; break;
      case '?': c = 'Q'; break;
      case ' ': c = 'S'; break;
      default: break;
    }
    name += c;
  }
  return name.substr(0, 8);
}

std::string areaFolder(int position) {
  static const char* const kAreas[] = {"electric\\", "forces\\", "waves\\", "earth\\",
                                       "energy\\",   "radio\\",  "quiz\\",  "exam\\"};
  return position >= 1 && position <= 8 ? kAreas[position - 1] : "";
}

std::string ContentStore::native(std::string_view relative) const {
  if (!paths.hasRoot() && ensureRoot) ensureRoot();
  return paths.resolve(relative);
}

void ContentStore::loadTree() {
  const std::string rel = "database\\treeView.map";
  for (;;) {
    std::string data, why;
    MapFile map;
    std::string text;
    if (!readWholeFile(native(rel), data))
      text = "Failed to open file " + paths.display(rel) + ". " + kCdText;
    else if (!parseMapFile(data, map, why))
      text = "The course map " + paths.display(rel) + " is damaged: " + why + ". " + kCdText;
    else {
      tree.build(map);
      return;
    }
    if (platform_.messageBox({text, "", Buttons::RetryCancel, Icon::Error}) != Answer::Retry)
      platform_.endProgram(1);
  }
}

std::string dataFolderOf(const CourseTree& tree, int screen) {
  if (screen == 1) return "database\\";
  // Climb to the area node (the ancestor whose parent is the root).
  int area = screen, steps = 0;
  while (tree.parent(area) != 1 && tree.parent(area) != 0) {
    area = tree.parent(area);
    ++steps;
  }
  std::string folder = "database\\" + areaFolder(tree.positionAmongSiblings(area));
  if (steps > 0) {
    int sub = screen;  // the ancestor at depth 2
    for (int i = 1; i < steps; ++i) sub = tree.parent(sub);
    if (tree.nextSibling(sub) == 0)
      folder += "exam\\";
    else
      folder += "topic" + std::to_string(tree.positionAmongSiblings(sub)) + "\\";
  }
  return folder;
}

std::string scriptPathOf(const CourseTree& tree, int screen) {
  if (screen == 1) return "database\\script\\main.mnu";
  const std::string folder = dataFolderOf(tree, screen);
  if (tree.kindOfNode(screen) < kScreen)
    return folder + "script\\" + menuName(tree.caption(screen)) + ".mnu";
  return folder + "script\\ID" + std::to_string(tree.scriptNumber(screen - 1)) + ".Scn";
}

std::string ContentStore::readScriptAt(const std::string& relative) {
  std::string data;
  if (!readWholeFile(native(relative), data)) return {};
  ScriptFileText f = readLengthPrefixedText(data);
  if (f.damaged && std::find(reportedDamage_.begin(), reportedDamage_.end(), relative) ==
                       reportedDamage_.end()) {
    reportedDamage_.push_back(relative);
    platform_.messageBox(
        {"The script file " + paths.display(relative) + " is damaged: its length word says " +
             std::to_string(f.declaredLength) + " characters but " +
             std::to_string(f.availableLength) + " follow. The screen shows what is there.",
         "", Buttons::Ok, Icon::Warning});
  }
  return f.text;
}

std::string ContentStore::getScript(int screen) {
  if (screen == 1) {
    dataFolder = "database\\";
    scriptFilePath = "database\\script\\main.mnu";
    useTemplate = false;
    return readScriptAt(scriptFilePath);
  }
  dataFolder = dataFolderOf(screen);
  topicFolder = dataFolder;
  scriptFilePath = scriptPathOf(screen);
  useTemplate = tree.kindOfNode(screen) > kBranch;
  return readScriptAt(scriptFilePath);
}

std::string ContentStore::getTemplateScript(int screen) {
  const std::string saved = scriptFilePath;
  const int parent = tree.parent(screen);
  std::string text = parent ? getScript(parent) : std::string();
  scriptFilePath = saved;
  return text;
}

std::string ContentStore::getPDD(int area) {
  if (area >= 1 && area <= 6) return "database\\" + areaFolder(area) + "exam\\";
  return "database\\exam\\";
}

std::string ContentStore::readScriptFile() {
  for (;;) {
    std::string data;
    if (readWholeFile(native(scriptFilePath), data)) {
      lastFileText = readLengthPrefixedText(data).text;
      return lastFileText;
    }
    std::string text = "Failed to open script - " + scriptFilePath + ". " + kCdText;
    if (platform_.messageBox({text, "", Buttons::RetryCancel, Icon::Error}) != Answer::Retry)
      platform_.endProgram(1);
  }
}

}  // namespace vintara
