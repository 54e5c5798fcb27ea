#include "content/pupil_file.h"

#include "engine/player.h"

namespace vintara {

void newUserProfile(Player& p) {
  p.pupil = PupilRecord{};
  p.pupilFile = PupilFileState{};
}

int getUserProfile(Player& p, const std::string& nativePath) {
  (void)p, (void)nativePath;
  return 0;
}

}  // namespace vintara
