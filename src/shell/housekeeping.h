// Housekeeping of the main window: the break reminder and leaving the
// program.
#pragma once

namespace vintara {

class Player;

// The take-a-break dialog, shown by forward navigation when the pupil moves
// back up the course after the break deadline has passed. Choosing to quit
// closes the main window (with its save prompt).
void takeABreak(Player& p);

}  // namespace vintara
