// The pupil data file and the File menu.
#pragma once

#include <string>

namespace vintara {

class Player;

// Starts a fresh pupil record in memory.
void newUserProfile(Player& p);

// Loads a pupil data file: 1 loaded, 0 failed, 2 belongs to another title.
int getUserProfile(Player& p, const std::string& nativePath);

}  // namespace vintara
