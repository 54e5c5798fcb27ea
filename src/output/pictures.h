// Pictures, backdrops and transitions.
#pragma once

#include <string>
#include <string_view>

namespace vintara {

class Player;
struct Surface;
class Image;

// Native file of a picture name ("*" shared, "+" literal, else the topic's
// folder or, in exam pages, the exam folder).
std::string resolvePicturePath(Player& p, std::string_view name);

// Finds or loads a picture in the per-screen cache by its exact name and
// returns its slot (1-based); shows "Missing picture " + path when it
// cannot be loaded. The picture is not drawn.
int loadPicture(Player& p, std::string_view name);
// The picture of a cache slot; nullptr when the slot is empty or unloaded.
const Image* pictureInSlot(const Player& p, int slot);

// Draws the picture named by command item 1 at picturePos (or only loads
// it); see the renderer's rules for the opaque flag and the printer.
void showPicture(Player& p, bool loadOnly = false);
// Draws a named picture at (x, y), leaving picturePos and item 1 as they were.
void printPicture(Player& p, int x, int y, std::string_view name);

void drawTransparent(Player& p, Surface& s, int slot, int x, int y, bool keepBackground = false);
void blitOpaque(Player& p, Surface& s, int slot, int x, int y);

// Copies a rectangle of the backdrop into the drawing image.
void restoreRect(Player& p, Surface& s, int x, int y, int w, int h);
// Makes that rectangle of the work area show the drawing image at once.
void refreshRect(Player& p, int x, int y, int w, int h);
void preserveArea(Player& p, int x, int y, int w, int h);
void restorePreserved(Player& p, bool refresh);

// Loads the backdrop named by command item 1 (item 2: the exam backdrop).
void loadBackdrop(Player& p, bool noButtonBar = false);

void runPictureEffect(Player& p);   // a fast wipe, to its end
void stepPictureEffect(Player& p);  // one step of a slow wipe

// Steps picture sequences and the stars (the 100 ms timer).
void animationTick(Player& p);

void resetPicturesForScreen(Player& p);

}  // namespace vintara
