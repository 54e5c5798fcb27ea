// Sound playback: one sound at a time, scripts that wait for it.
#pragma once

#include <string>
#include <string_view>

namespace vintara {

class Player;
struct Surface;

// Starts a sound by its script name ("*" prefix: shared sounds).
void playWav(Player& p, std::string_view name);
// Stops and closes the sound being played; returns when the device has
// reported completion.
void closeCurrentWav(Player& p);
// Interface sounds (clicks, drops, quiz effects) all go through here.
void playInterfaceSound(Player& p, std::string_view name);
// Connects the device's completion report to the player.
void connectSound(Player& p);

}  // namespace vintara
