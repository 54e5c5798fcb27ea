// Exam papers, grades and printing.
#pragma once

#include <string>
#include <string_view>

namespace vintara {

class Player;
struct Surface;

// Sets up an exam question page (the screen reset of the exam page).
void setUpExamPage(Player& p);

}  // namespace vintara
