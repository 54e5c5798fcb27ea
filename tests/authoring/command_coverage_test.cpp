// The demo course shows every command word whose behaviour is built: each
// one is used by at least one of its scripts (screens, menus and game data),
// so that a pupil sees it work and an author has an example to copy.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/command_table.h"

namespace vintara {
namespace {

namespace fs = std::filesystem;

// Words whose subsystems are not built yet; the demo course does not use
// them. When a subsystem lands, its words leave this list and the course
// gets screens that use them.
const std::set<std::string> kNotYetBuilt = {
    // Quiz mode (the two blocks test the quiz score, which only quiz mode
    // keeps).
    "quizmode", "quizanimate", "displayquizscore", "displayquiztime", "displayquizboard",
    "quizright", "resetsystem", "ifquiz", "ifqscore",
    // Exam papers, grades and printing (the failed-grade block and the part
    // scores belong to the exam score).
    "page", "print", "exampages", "onequestion", "option", "score", "maxscore",
    "recommendation", "more", "internalexecute", "iffailedgrade", "partscore",
    // Picture sequences and the tutor character.
    "createanimate", "startanimate", "animatetime", "xanimatetime", "animation",
    // The circuit toolbox.
    "toolbox", "virtualcircuit", "circuit", "compasshotspot",
    // The spelling and deadline games: their data, backgrounds and the game
    // region that starts them.
    "playgame", "gametype", "data", "spellbackground", "spellinstructionbackdrop",
    // Popdown lists inside popups: the setting is kept, but nothing uses it
    // yet.
    "popuppopdown",
};

// The word the interpreter's line filter puts in place of a skipped command;
// a script cannot write it (its command word would end at the blank).
const std::set<std::string> kNotScriptWords = {"don't evaluate"};

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return char(std::tolower(c)); });
  return s;
}

// Command word -> the scripts that use it (relative to course/), for every
// script of the demo course source: scripts/ and the game data under
// content/. The word is what follows "@" up to the first blank, as the
// interpreter reads it.
std::map<std::string, std::set<std::string>> commandWordsOfDemoCourse() {
  const fs::path course = fs::path(VINTARA_SOURCE_DIR) / "course";
  std::vector<fs::path> files;
  for (const auto& e : fs::recursive_directory_iterator(course / "scripts"))
    if (e.is_regular_file()) files.push_back(e.path());
  for (const auto& e : fs::recursive_directory_iterator(course / "content"))
    if (e.is_regular_file() && lower(e.path().parent_path().filename().string()) == "gamedata")
      files.push_back(e.path());

  std::map<std::string, std::set<std::string>> used;
  for (const fs::path& file : files) {
    std::ifstream in(file, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.size() < 2 || line[0] != '@') continue;
      used[lower(line.substr(1, line.find(' ') - 1))].insert(fs::relative(file, course).string());
    }
  }
  return used;
}

std::string joined(const std::vector<std::string>& words) {
  std::ostringstream out;
  for (const auto& w : words) out << "\n  " << w;
  return out.str();
}

TEST(DemoCourseCommands, EveryBuiltCommandWordIsUsedByAScript) {
  const auto used = commandWordsOfDemoCourse();
  ASSERT_FALSE(used.empty()) << "no scripts found under " VINTARA_SOURCE_DIR "/course";
  std::vector<std::string> unused;
  for (const CommandInfo& c : commandTable()) {
    const std::string word = c.word;
    if (kNotYetBuilt.count(word) || kNotScriptWords.count(word) || used.count(word)) continue;
    if (std::find(unused.begin(), unused.end(), word) == unused.end()) unused.push_back(word);
  }
  EXPECT_TRUE(unused.empty()) << "built command words that no demo script uses (add them to a "
                                 "screen of course/):"
                              << joined(unused);
}

TEST(DemoCourseCommands, TheNotYetBuiltListNamesOnlyUnusedCommandWords) {
  const auto used = commandWordsOfDemoCourse();
  std::vector<std::string> unknown, nowUsed;
  for (const std::string& word : kNotYetBuilt) {
    if (!findCommand(word)) unknown.push_back(word);
    if (auto u = used.find(word); u != used.end())
      nowUsed.push_back(word + " (" + *u->second.begin() + ")");
  }
  EXPECT_TRUE(unknown.empty()) << "not in the command table:" << joined(unknown);
  EXPECT_TRUE(nowUsed.empty()) << "used by the demo course, so no longer \"not yet built\" (take "
                                  "them off the list):"
                               << joined(nowUsed);
}

}  // namespace
}  // namespace vintara
