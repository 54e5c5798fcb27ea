// The feedback box: shows the chosen feedback text after an answer is judged.
#pragma once

#include <string>
#include <string_view>

namespace vintara {

class Player;
struct Surface;

// Closes the box when it is open; the program itself closing it never moves
// the lesson on.
void closeFeedbackBox(Player& p);

}  // namespace vintara
