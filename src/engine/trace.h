// An observer of what happens in a session, for the authoring tool's
// session player and for tests: screens entered, regions hit, navigation,
// judging. The core calls it where those things happen; every hook does
// nothing unless overridden. (Messages and sounds are seen through the
// platform, which records them.)
#pragma once

#include <string>
#include <vector>

namespace vintara {

class Trace {
 public:
  virtual ~Trace() = default;
  virtual void screenEntered(int screen, const std::string& caption, const std::string& scriptFile) {}
  virtual void regionHit(const std::string& what, int index) {}
  virtual void navigation(const std::string& what, int from, int to) {}
  // Judging: the pupil's responses, the marks drawn and the verdict.
  virtual void responses(const std::vector<std::string>& items) {}
  virtual void markDrawn(int box, bool tick) {}
  // A typed field coloured right (green) or wrong (red); field from 0.
  virtual void fieldJudged(int field, bool right) {}
  virtual void feedbackChosen(const std::string& blockWord) {}
  virtual void feedbackShown(const std::string& verdict, const std::string& text) {}
  virtual void note(const std::string& text) {}
};

}  // namespace vintara
