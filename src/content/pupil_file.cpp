#include "content/pupil_file.h"

#include "engine/player.h"

namespace vintara {

void newUserProfile(Player& p) {
  p.pupil = PupilRecord{};
  p.pupilFile = PupilFileState{};
}

// Placeholder until the pupil file is built: there is nothing to save yet.
bool askToSaveDataFirst(Player& p) {
  (void)p;
  return true;
}

int getUserProfile(Player& p, const std::string& nativePath) {
  (void)p, (void)nativePath;
  return 0;
}

}  // namespace vintara
