// The feedback box: its layout, its painting and its opening and closing.
#include "assess/feedback_box.h"

#include <algorithm>

#include "engine/navigation.h"
#include "engine/player.h"
#include "engine/script_text.h"
#include "platform/text_codec.h"

namespace vintara {

namespace {

constexpr int kLeftMargin = 7;
constexpr int kTopMargin = 5;
constexpr int kMinWidest = 120;
constexpr int kWidthExtra = 8;
constexpr int kHeightExtra = 32;
constexpr double kStartPoints = 10;
constexpr size_t kMaxTabStops = 31;
constexpr size_t kMaxPictureName = 99;

// The box's own text printer, carried from line to line: the font and the
// position persist, the left margin moves right of a picture.
class BoxPrinter {
 public:
  BoxPrinter(Platform& platform, FeedbackLayout& layout, char decimalSeparator)
      : platform_(platform), out_(layout), separator_(decimalSeparator) {
    font_.face = "arial";
    font_.points = kStartPoints;
  }

  void picture(Image image) {
    const int right = x_ + image.width();
    out_.bottom = std::max(out_.bottom, y_ + image.height());
    out_.pictures.push_back({x_, y_, std::move(image)});
    leftMargin_ = x_ = right + kLeftMargin;
    out_.widest = std::max(out_.widest, x_);
  }

  void line(std::string_view text) {
    font_.bold = false;
    tabs_.clear();
    nextTab_ = 0;
    const int baseSize = int(font_.points);
    bool extraBreak = false, extraStep = false;
    if (!text.empty() && text.back() == '_') {
      text.remove_suffix(1);
      extraBreak = true;
    }
    if (!text.empty() && text.back() == '*') {
      text.remove_suffix(1);
      extraStep = true;
    }

    for (;;) {
      const size_t hash = text.find('#');
      if (hash == std::string_view::npos) {
        print(text);
        break;
      }
      print(text.substr(0, hash));
      text.remove_prefix(hash + 1);
      if (text.empty()) break;
      const char code = text.front();
      text.remove_prefix(1);
      applyCode(code, text);
    }

    out_.widest = std::max(out_.widest, x_);
    if (extraBreak) lineBreak(baseSize);
    if (extraStep) y_ += baseSize;
    lineBreak(baseSize);
  }

  int y() const { return y_; }

 private:
  void print(std::string_view s) {
    if (s.empty()) return;
    out_.texts.push_back({x_, y_, std::string(s), font_, 0});
    x_ += platform_.textWidth(s, font_);
  }

  void lineBreak(int baseSize) {
    x_ = leftMargin_;
    y_ += baseSize + 4;
  }

  // Removes a second copy of `c` at the front of `rest`; true when there was one.
  static bool doubled(std::string_view& rest, char c) {
    if (rest.empty() || rest.front() != c) return false;
    rest.remove_prefix(1);
    return true;
  }

  void applyCode(char code, std::string_view& rest) {
    switch (code) {
      case 'b': case 'B': font_.bold = !font_.bold; break;
      case 'i': case 'I': font_.italic = !font_.italic; break;
      case 'u': case 'U': font_.underline = !font_.underline; break;
      case '_': {
        const int keep = x_;
        print(" ");
        x_ = keep;
        break;
      }
      case '>': y_ -= doubled(rest, '>') ? 1 : 6; break;
      case '<': y_ += doubled(rest, '<') ? 1 : 6; break;
      case '#': print(std::string_view(&separator_, 1)); break;
      case '^':
        if (tabs_.size() < kMaxTabStops) tabs_.push_back(x_);
        break;
      case 't': case 'T':
        if (nextTab_ < tabs_.size()) x_ = tabs_[nextTab_++];
        break;
      case 'f': {
        const char which = rest.empty() ? '\0' : rest.front();
        if (!rest.empty()) rest.remove_prefix(1);
        if (which == '1') {
          font_.face = "arial";
          font_.points = 10;
        } else if (which == '8') {
          font_.face = "symbol";
          font_.points = 10;
        } else {
          font_.points = 6;
        }
        break;
      }
      default: break;  // other codes are dropped
    }
  }

  Platform& platform_;
  FeedbackLayout& out_;
  char separator_;
  FontSpec font_;
  int x_ = kLeftMargin, y_ = kTopMargin, leftMargin_ = kLeftMargin;
  std::vector<int> tabs_;
  size_t nextTab_ = 0;
};

}  // namespace

std::string feedbackCaption(std::string_view message, bool isCorrect) {
  if (isCorrect) return "Correct";
  const std::string lower = toLower(message);
  for (const char* partly : {"partly correct", "partly right", "some mist"})
    if (lower.find(partly) != std::string::npos) return "Partly Correct";
  return "Wrong";
}

FeedbackLayout layoutFeedback(Platform& platform, std::string_view message, bool isCorrect,
                              char decimalSeparator, const FeedbackPictureLoader& loadPicture) {
  FeedbackLayout layout;
  layout.message = std::string(message);
  layout.isCorrect = isCorrect;
  layout.caption = feedbackCaption(message, isCorrect);
  layout.background = rgbFromBgr(isCorrect ? kFeedbackCorrectBgr : kFeedbackWrongBgr);

  BoxPrinter printer(platform, layout, decimalSeparator);
  std::string_view rest = message;
  for (;;) {
    const size_t cr = rest.find(kCR);
    const std::string_view line = rest.substr(0, cr);
    if (!line.empty() && line.front() == '$') {
      const std::string name(line.substr(1, kMaxPictureName));
      if (loadPicture)
        if (std::optional<Image> image = loadPicture(name)) printer.picture(std::move(*image));
    } else {
      printer.line(line);
    }
    if (cr == std::string_view::npos) break;
    rest.remove_prefix(cr + 1);
  }

  // A picture taller than the text still fits in the box.
  layout.bottom = std::max(layout.bottom, printer.y());
  layout.widest = std::max(layout.widest, kMinWidest);
  layout.width = layout.widest + kWidthExtra;
  layout.height = layout.bottom + kHeightExtra;
  return layout;
}

Image renderFeedback(Platform& platform, const FeedbackLayout& layout) {
  Image canvas(std::max(1, layout.width), std::max(1, layout.height), layout.background);
  for (const FeedbackPicture& pic : layout.pictures) {
    const Image& im = pic.image;
    for (int y = 0; y < im.height(); ++y)
      for (int x = 0; x < im.width(); ++x) {
        if (im.hasAlpha()) {
          if ((im.argb(x, y) >> 24) < 128) continue;
        } else if (im.pixel(x, y) == kKeyColour) {
          continue;
        }
        canvas.setPixel(pic.x + x, pic.y + y, im.pixel(x, y));
      }
  }
  for (const FeedbackText& t : layout.texts)
    platform.drawText(canvas, t.x, t.y, t.text, t.font, t.colour);
  return canvas;
}

void showFeedbackBox(Player& p, const std::string& text, bool isCorrect) {
  QuestionState& q = p.question;
  q.feedbackIsCorrect = isCorrect;
  const FeedbackPictureLoader loader = [&p](const std::string& name) {
    const std::string relative = p.content.picturePath(name);
    std::optional<Image> image = p.platform.loadImage(p.content.native(relative));
    if (!image) p.message("Missing picture " + p.content.paths.display(relative));
    return image;
  };
  const FeedbackLayout layout =
      layoutFeedback(p.platform, text, isCorrect, p.text.decimalSeparator, loader);
  p.trace->feedbackShown(layout.caption, text);
  q.feedbackBoxOpen = true;
  // Enter in the box, or the pupil closing it: the box is gone, and the
  // lesson moves on as if Forward had been pressed.
  p.platform.showFeedbackBox(layout, Rect{q.feedbackAnchorX, q.feedbackAnchorY, layout.width, layout.height},
                             [&p] {
                               p.question.feedbackBoxOpen = false;
                               executeGoForward(p, 0);
                             });
}

void closeFeedbackBox(Player& p) {
  if (!p.question.feedbackBoxOpen) return;
  p.question.feedbackBoxOpen = false;
  p.platform.closeFeedbackBox();
}

}  // namespace vintara
