// Exam papers, grades and printing.
#pragma once

#include <string>
#include <string_view>

namespace vintara {

class Player;
struct Surface;

// Sets up an exam question page (the screen reset of the exam page).
void setUpExamPage(Player& p);

// The pupil chose answer box `choice` (counted among the boxes that are not
// buttons) on the exam selection menu (engineMode 10) or pressed button box
// `choice` on an exam page (engineMode 11).
void examMenuChoice(Player& p, int choice);
void examPageChoice(Player& p, int choice);
// Scrolls the exam list by one line (+1 down, -1 up) and redraws it.
void scrollExamList(Player& p, int delta);

}  // namespace vintara
