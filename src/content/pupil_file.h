// The pupil data file and the File menu.
#pragma once

#include <string>

namespace vintara {

class Player;

// Starts a fresh pupil record in memory.
void newUserProfile(Player& p);

// Loads a pupil data file: 1 loaded, 0 failed, 2 belongs to another title.
int getUserProfile(Player& p, const std::string& nativePath);

// Asks whether to save unsaved pupil data before leaving; false when the
// pupil cancelled (or the save failed) and the program should stay.
bool askToSaveDataFirst(Player& p);

}  // namespace vintara
