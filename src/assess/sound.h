// Sound playback: one sound at a time, scripts that wait for it.
//
// The device is the platform's (playSound, stopSound and the done report).
// A sound is Idle or Playing; a new sound stops the one playing first, and
// every stop waits for the device's completion report before it returns.
// A missing or unplayable file leaves the player idle without a message.
#pragma once

#include <string>
#include <string_view>

namespace vintara {

class Player;
struct Surface;

// Content path of a sound name: "*name" is a shared sound ("Wav\name"),
// any other name belongs to the current topic (topic folder + "Wav\name").
std::string soundPath(const Player& p, std::string_view name);

// Starts a sound by its script name (stopping the one playing first).
void playWav(Player& p, std::string_view name);
// Stops and closes the sound being played; returns when the device has
// reported completion. Returns at once when the device is already closed.
void closeCurrentWav(Player& p);
// Interface sounds (clicks, drops, quiz effects, the circuit's short
// circuit) all go through here: the sound playing is stopped, the talking
// head is told it is no speech ("none"), and the sound starts.
void playInterfaceSound(Player& p, std::string_view name);
// The click of the navigation buttons: plays "*click.wav" as an interface
// sound and then waits `seconds` (0.5 for Forward, 0.3 for Back and the
// menu) while window events go on.
void playNavigationClick(Player& p, double seconds);
// Connects the device's completion report to the player.
void connectSound(Player& p);
// The device's completion report (end of a play, or of a stop).
void MMControl1_Done(Player& p);

// How long a stop waits for the device's completion report before it
// gives up, in milliseconds. A working device answers within a few event
// loop turns; this bound only keeps a device that never answers from
// freezing the program.
constexpr int kCloseWaitLimitMs = 3000;

}  // namespace vintara
