// The feedback box: a small window that shows the chosen feedback text
// after an answer is judged. Its title and colour tell the verdict; its
// body is the feedback lines printed with a small set of "#" codes of its
// own. The layout is worked out here, without a window, so that the Qt
// window only paints it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/image.h"
#include "platform/platform.h"

namespace vintara {

class Player;

// Background colours of the box (24-bit blue-green-red values as the
// content writes colours).
constexpr uint32_t kFeedbackCorrectBgr = 9424791;  // RGB(151,207,143)
constexpr uint32_t kFeedbackWrongBgr = 11513855;   // RGB(255,175,175)

// One piece of text printed in the box, its cell's top-left at (x, y).
struct FeedbackText {
  int x = 0, y = 0;
  std::string text;  // Windows-1252
  FontSpec font;
  Rgb colour = 0;
};

// A picture named by a "$" line, its top-left at (x, y).
struct FeedbackPicture {
  int x = 0, y = 0;
  Image image;
};

struct FeedbackLayout {
  std::string message;  // lines separated by character 13
  bool isCorrect = false;
  std::string caption;  // "Correct", "Partly Correct" or "Wrong"
  Rgb background = 0;
  int widest = 0;  // largest x reached by a line (at least 120)
  int bottom = 0;  // y reached by the rendering
  int width = 0;   // widest + 8
  int height = 0;  // bottom + 32
  std::vector<FeedbackText> texts;
  std::vector<FeedbackPicture> pictures;
};

// The caption for a message and verdict.
std::string feedbackCaption(std::string_view message, bool isCorrect);

// Loads the picture of a "$" line by its name in the content's pictures
// folder (reporting a failure itself); nothing when it cannot be loaded.
using FeedbackPictureLoader = std::function<std::optional<Image>(const std::string& name)>;

// Lays the message out as the box prints it. Text widths come from the
// platform's fonts; `decimalSeparator` is what the "##" code prints.
FeedbackLayout layoutFeedback(Platform& platform, std::string_view message, bool isCorrect,
                              char decimalSeparator, const FeedbackPictureLoader& loadPicture);

// Paints a layout into an image of the box's size (background, pictures
// with the key colour left out, then the text).
Image renderFeedback(Platform& platform, const FeedbackLayout& layout);

// Shows the feedback text in the box: lays it out, places the box from the
// anchor (the drawing position saved by "at") and opens it without making
// it modal. Enter in the box, or the pupil closing it, moves the lesson on
// as Forward does.
void showFeedbackBox(Player& p, const std::string& text, bool isCorrect);

// Closes the box when it is open; the program itself closing it never moves
// the lesson on.
void closeFeedbackBox(Player& p);

}  // namespace vintara
