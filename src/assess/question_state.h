// State of the question being answered and judged.
#pragma once

#include <array>
#include <string>

namespace vintara {

// Question types (the fourth parameter of "question"): every other value
// from 2 to 99 is a group size.
constexpr int kSingleSelection = 0;
constexpr int kMultipleSelection = 1;
constexpr int kTypedFields = 8;
constexpr int kWordPlacement = 100;  // word placement and re-ordering

struct QuestionState {
  static constexpr int kMaxItems = 24;
  static constexpr int kMaxPositions = 10;  // re-ordering
  static constexpr int kMaxParts = 25;      // partscore

  int questionType = 0;
  std::array<std::string, kMaxItems + 1> answerKey{};  // 1..24
  int answerCount = 0;
  std::array<std::string, kMaxItems + 1> responseList{};
  std::array<bool, kMaxItems + 1> itemRight{};
  bool inQuestion = false;
  // The answer of the last "answer" line has been judged (once is enough).
  bool answerJudged = false;
  bool feedbackChosen = false;
  bool feedbackClosed = false;
  bool feedbackMet = false;
  std::string feedbackText;  // lines joined by character 13
  bool verdictRight = false;
  bool nothingAnswered = false;
  bool answerLocked = false;
  bool marksShown = false;
  bool autoFeedback = false;
  bool centreMarks = false;
  std::array<bool, 25> capitaliseTarget{};
  int firstTargetBox = 0;
  std::array<int, kMaxPositions + 1> positionWord{};  // 1..10
  int feedbackAnchorX = 0, feedbackAnchorY = 0;
  int firstUnjudgedField = 0;
  // Scores recorded by "partscore", by part number.
  std::array<int, kMaxParts> partScores{};
  // The feedback box: open on the screen, and the verdict it was told.
  bool feedbackBoxOpen = false;
  bool feedbackIsCorrect = false;
  // Quiz state read by the engine (the quiz owns it).
  bool quizMode = false;
  int quizScore = 0;
  int quizQuestionNumber = 0;
  bool quizAnswerClosed = false;
};

}  // namespace vintara
