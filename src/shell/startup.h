// Start-up of the main window: the exact sequence of the window's load,
// the content search, the pupil data folder, the command line and the
// one-shot hand-over to the new-pupil step.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/image.h"

namespace vintara {

class Player;

extern const char* const kProductTitle;  // "Qelt Vintara"

// The whole start-up sequence; runs once when the program starts.
void Form_Load(Player& p);

// The one-shot timer after start-up.
void forcedNew_timer(Player& p);

// The content root (native path ending in "/"). Never returns without one:
// it finds it or ends the program.
std::string findContentRoot(Player& p);

// Creates the pupil data folder (ends the program when it cannot).
void createLorrendDataDirectory(Player& p);

// The pupil data file named on a raw command line ("" when none).
std::string commandLineDataFile(std::string_view commandLine);

// Where the 640 x 440 work area goes in a window client area of this size:
// scaled as a whole to fit and centred. `scale` receives the factor.
Rect workAreaPlacement(int clientWidth, int clientHeight, double* scale = nullptr);

// Mount points of optical and removable media, in a fixed order: iso9660
// and udf file systems first, then those under /media and /run/media, each
// group sorted. Reads a mounts table in the /proc/self/mounts format.
std::vector<std::string> mediaMountPoints(const std::string& mountsText);

// Whether a folder is a content root: it holds the probe file.
bool isContentRoot(const std::string& nativeFolder);

}  // namespace vintara
