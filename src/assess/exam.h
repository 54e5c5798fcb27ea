// Exam papers, grades and printing.
#pragma once

#include <string>
#include <string_view>

namespace vintara {

class Player;
struct Surface;

// Sets up an exam question page (the screen reset of the exam page).
void setUpExamPage(Player& p);

// The folder of the running exam's own pictures while examPageMode is set:
// a content path ending in "\" (the exam file's folder less its "script\").
std::string examPictureFolder(const Player& p);
// While an exam is printed: the offset added to absolute x positions and to
// the printer's picture painting, in work-area pixels; 0 otherwise.
int examPrintOffset(const Player& p);

}  // namespace vintara
