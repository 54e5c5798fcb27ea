// Sound playback.
#include "assess/sound.h"

#include "engine/command_table.h"
#include "engine/player.h"

namespace vintara {

void cmdPlaySoundFile(Player&) {}
void cmdWaitForSoundToFinish(Player&) {}

void playWav(Player& p, std::string_view name) { (void)p, (void)name; }
void closeCurrentWav(Player& p) { (void)p; }
void playInterfaceSound(Player& p, std::string_view name) { (void)p, (void)name; }
void connectSound(Player& p) { (void)p; }

}  // namespace vintara
