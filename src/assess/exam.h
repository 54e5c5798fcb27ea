// Exam papers, grades and printing.
#pragma once

#include <string>
#include <string_view>

namespace vintara {

class Player;
struct Surface;

// Sets up an exam question page (the screen reset of the exam page).
void setUpExamPage(Player& p);

// What the text renderer reads of the open exam question.
// Whether the answers of the current exam question have been shown ("#v"
// write-in lines then leave a gap instead of a dotted line).
bool examAnswersShown(const Player& p);
// Whether tick-box captions are left out (a printing choice).
bool examCaptionsSuppressed(const Player& p);
// The exam answer store: tick state of box `box` of exam question `question`.
bool examTickState(const Player& p, int question, int box);
void setExamTickState(Player& p, int question, int box, bool ticked);
// The grade of the exam's score and maximum for the paper's tier ("#z6").
std::string examGrade(Player& p);
// Records the exam's score, maximum and today's date in the results list.
void recordExamResult(Player& p);
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
// The pupil chose answer box `choice` (counted among the boxes that are not
// buttons) on the exam selection menu (engineMode 10) or pressed button box
// `choice` on an exam page (engineMode 11).
void examMenuChoice(Player& p, int choice);
void examPageChoice(Player& p, int choice);
// Scrolls the exam list by one line (+1 down, -1 up) and redraws it.
void scrollExamList(Player& p, int delta);
// The folder of the running exam's own pictures while examPageMode is set:
// a content path ending in "\" (the exam file's folder less its "script\").
std::string examPictureFolder(const Player& p);
// While an exam is printed: the offset added to absolute x positions and to
// the printer's picture painting, in work-area pixels; 0 otherwise.
int examPrintOffset(const Player& p);

}  // namespace vintara
