// The pupil record: everything saved for one pupil. Only the members that
// the lesson engine reads so far are here; the pupil file adds the rest.
#pragma once

#include <string>

namespace vintara {

struct PupilSettings {
  int quizTime = 0;
  bool styleBackdrop = true;

  bool operator==(const PupilSettings&) const = default;
};

struct PupilRecord {
  std::string tierLetter = "F";   // "H" or "F"
  std::string awardLetter = "D";  // "S" or "D"
  PupilSettings settings;
  int examScore = 0;
  int examMaxScore = 0;

  bool operator==(const PupilRecord&) const = default;
};

// Bookkeeping of the pupil file, kept beside the record.
struct PupilFileState {
  bool dataChanged = false;
  std::string profilePath;
  std::string profileTitle;
};

}  // namespace vintara
