// Pointer interaction: hit tests against the region tables and their actions.
//
// The window passes pointer positions in work-area pixels. While the popup
// panel is shown, a point over it is taken in the panel's own pixels, as
// the panel's events were: the same handlers serve both.
#pragma once

#include <string>
#include <string_view>

namespace vintara {

class Player;
struct Surface;
struct DragPayload;

void resetRegionsForScreen(Player& p);
// Closes the open hotspot highlight or popup panel.
void closeOpenPopup(Player& p);

// Buttons: 1 left, 2 right, 4 middle; a move passes 1 while the left button
// is held.
void onPointerMove(Player& p, int button, int x, int y);
void onPointerDown(Player& p, int button, int x, int y);
void onClick(Player& p);
void onPointerUp(Player& p, int button, int x, int y);
// A drag of the pending payload (started by a move) dropped at (x, y).
void onDrop(Player& p, int x, int y);
// A drag moves over the work area.
void onDragOver(Player& p, int x, int y);
// The drag the work area started has ended (dropped or not).
void onDragFinished(Player& p);

// Runs the body of hotspot or popup `index` as a click on it does.
void runHotspotBody(Player& p, int index);

// Draws a picture by name on a surface at (x, y) through the picture cache;
// false when it could not be loaded. keepBackground: drawn over what is
// there rather than over the clean backdrop.
bool drawPictureAt(Player& p, Surface& s, std::string_view name, int x, int y,
                   bool keepBackground = true);

// Puts back what a hover or pressed picture of a navigation region covered.
void dropNavOverlay(Player& p);

}  // namespace vintara
