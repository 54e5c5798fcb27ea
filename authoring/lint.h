// The course linter: checks the scripts of compiled content the way the
// player reads them and reports each problem as `file:line: message`.
//
// A file is named by its content path as the player composes it, with "\"
// (for example database\forces\topic1\script\ID3.Scn); lines count from 1.
// Problems found:
//   - command words that are not in the command table;
//   - goto labels that are in no line of the script (goto searches the
//     whole script) and count labels that are in no later line (count
//     searches forward); label names lose their blanks, as in the player;
//   - block openers (ifprize, ifhigher, iflower, ifsingle, ifdouble, ifquiz,
//     ifpackage, ifqscore, iffailedgrade, loop, case) with no end line after
//     them;
//   - parameters that a command reads strictly (signature letter "n" in
//     command_list.h) and that hold no number, or are missing; parameters
//     read with numericParam that name no variable; "set" on a name that is
//     not a variable; counter numbers outside 0 to 10;
//   - lines of more than 100 parameters, and line ends other than CR LF;
//   - game-data files named by gamedatafile (and gdf) that are not in the
//     topic's gamedata folder; the files that are there are checked too.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "authoring/file_message.h"

namespace vintara {

using LintMessage = FileMessage;

// A game-data file that a script runs, by the name it is found under in the
// topic's gamedata folder (the "*" and "+" exam-page forms are left out).
struct GameDataUse {
  int line = 0;
  std::string name;
};

// Checks one script text (lines end with CR LF); `file` names it in the
// messages. The game-data files it runs are added to `gameData`.
std::vector<LintMessage> lintScript(std::string_view script, const std::string& file,
                                    std::vector<GameDataUse>* gameData = nullptr);

// Checks compiled content: reads the course tree map, then every script
// file the tree names (menus, screens, learning points, help items) and the
// game-data files those scripts run.
std::vector<LintMessage> lintContent(const std::string& contentRoot);

}  // namespace vintara
