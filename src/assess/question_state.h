// State of the question being answered and judged.
#pragma once

#include <array>
#include <string>

namespace vintara {

struct QuestionState {
  static constexpr int kMaxItems = 24;

  int questionType = 0;
  std::array<std::string, kMaxItems + 1> answerKey{};  // 1..24
  int answerCount = 0;
  std::array<std::string, kMaxItems + 1> responseList{};
  std::array<bool, kMaxItems + 1> itemRight{};
  bool inQuestion = false;
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
  std::array<int, 11> positionWord{};  // 1..10
  int feedbackAnchorX = 0, feedbackAnchorY = 0;
  int firstUnjudgedField = 0;
  // Quiz state read by the engine (the quiz owns it).
  bool quizMode = false;
  int quizScore = 0;
  int quizQuestionNumber = 0;
  bool quizAnswerClosed = false;
};

}  // namespace vintara
