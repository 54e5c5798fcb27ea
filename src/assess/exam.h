// Exam papers, grades and printing.
#pragma once

#include <string>
#include <string_view>

namespace vintara {

class Player;
struct Surface;

// Sets up an exam question page (the screen reset of the exam page).
void setUpExamPage(Player& p);

// The grade test of "iffailedgrade": true when an exam result of `percent`
// (the whole-number part of score / maximum score x 100) reaches the
// pupil's target grade.
bool gradeTestPasses(Player& p, int percent);

// The current exam page file, as a content path ("\" separated, relative to
// the content root), for the "*" and "+" forms of "gamedatafile"; empty
// when no exam page is chosen. `plusForm` is set for "+" (the exam code may
// rewrite the folder part for it; in examPageMode it also records the
// page's folder for pictures).
std::string examPageFilePath(Player& p, bool plusForm);

}  // namespace vintara
