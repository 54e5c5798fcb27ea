// The content store: the folder layout of the course content, script files
// and the rule that turns a screen number into the script of that screen.
//
// Content paths are Windows-1252 texts with "\" relative to the content
// root, exactly as the lookup rules compose them (for example
// "database\waves\topic2\script\ID12.Scn"); `paths` turns them into real
// files.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "content/content_paths.h"
#include "content/counted_text.h"
#include "content/course_tree.h"

namespace vintara {

// The end of every message about content that cannot be read.
inline constexpr const char* kCdText = "Please ensure the CD is in the drive and is free of errors.";

class Platform;

// The data folder of a node ("database\" for the main menu) and the path of
// its script file, as the lookup computes them.
std::string dataFolderOf(const CourseTree& tree, int screenNumber);
std::string scriptPathOf(const CourseTree& tree, int screenNumber);

// Menu file name of a branch from its caption (eight characters at most).
std::string menuName(std::string_view caption);

// Area folder of the k-th child of the main menu (1-based), "" above 8.
std::string areaFolder(int position);

class ContentStore {
 public:
  explicit ContentStore(Platform& platform) : platform_(platform) {}

  ContentPaths paths;
  CourseTree tree;

  // State of the last lookup.
  std::string dataFolder = "database\\";
  std::string topicFolder;
  std::string scriptFilePath;
  bool useTemplate = false;  // of the last lookup; navigation copies it

  // Called when a path is needed before the root is known (the content
  // search of start-up).
  std::function<void()> ensureRoot;

  std::string picturePath(std::string_view name) const { return "pictures\\" + std::string(name); }
  std::string internalPath(std::string_view name) const { return "internal\\" + std::string(name); }
  // Native file of a content path.
  std::string native(std::string_view relative) const;

  // Loads database\treeView.map. On damage shows a message naming the file
  // with Retry and Cancel (Cancel ends the program).
  void loadTree();

  // The script of a node; empty when the file cannot be read. Sets
  // dataFolder, topicFolder (not for screen 1), scriptFilePath and
  // useTemplate.
  std::string getScript(int screenNumber);
  // The script of the node's parent; scriptFilePath is left as it was.
  std::string getTemplateScript(int screenNumber);
  std::string getPDD() const { return dataFolder; }
  static std::string getPDD(int area);
  // Reads scriptFilePath, asking Retry/Cancel while it cannot be opened.
  std::string readScriptFile();
  std::string lastFileText;

  std::string dataFolderOf(int screenNumber) const { return vintara::dataFolderOf(tree, screenNumber); }
  std::string scriptPathOf(int screenNumber) const { return vintara::scriptPathOf(tree, screenNumber); }

 private:
  std::string readScriptAt(const std::string& relative);
  Platform& platform_;
  std::vector<std::string> reportedDamage_;
};

}  // namespace vintara
