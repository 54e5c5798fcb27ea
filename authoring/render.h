// Drawing one screen of a course as the program draws it, without a window:
// the real start-up on a headless platform, then the screen shown as
// navigation shows it. The command-line tool saves the result as PNG.
#pragma once

#include <string>
#include <vector>

#include "platform/image.h"

namespace vintara {

class FakePlatform;

struct RenderRequest {
  std::string content;  // the content folder ("tolvenia" or the folder above it)
  int screen = 1;       // the screen number (a node of the course tree)
  std::string tier;     // "H" or "F"; empty keeps the new pupil's letter
  std::string award;    // "S" or "D"; empty keeps the new pupil's letter
  int waitMs = 0;       // time let pass after the screen ran (slow wipes, stars)
};

struct RenderResult {
  bool ok = false;
  Image image;                        // the work area, the popup drawn over it when shown
  std::vector<std::string> messages;  // message boxes shown on the way, in order
  std::string error;                  // why there is no picture
};

// Renders on `platform`, which supplies fonts and pictures (a headless Qt
// platform for the tool; the fake one in tests). Pupil data goes to a
// temporary folder that is removed afterwards.
RenderResult renderScreen(FakePlatform& platform, const RenderRequest& request);

// Reads the command line of "render": CONTENT --screen N --out FILE
// [--tier H|F] [--award S|D] [--wait MS]. Returns an error text, or "".
std::string parseRenderArgs(const std::vector<std::string>& args, RenderRequest& request,
                            std::string& outFile);

}  // namespace vintara
