// Typed answer fields.
#include "output/fields.h"

#include <algorithm>
#include <string_view>

#include "engine/player.h"
#include "output/rich_text.h"

namespace vintara {

namespace {

constexpr char kExpMinus = char(187);  // "»", the exponent's minus
constexpr char kNbsp = char(160);      // the calculator's exponent mark
constexpr std::string_view kTimesTen = "\xD7\x31\x30";  // "×10"
constexpr unsigned char kSupZero = 134;  // superscript "0"; "9" is 143
constexpr Rgb kBlack = 0x000000;
constexpr Rgb kRed = 0xFF0000;
constexpr int kMaxDigits = 10;  // characters of a number, its blank and sign

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSuperscript(char c) {
  return (unsigned char)c >= kSupZero && (unsigned char)c <= kSupZero + 9;
}
char superscriptOf(char digit) { return char(kSupZero + (digit - '0')); }
char digitOf(char superscript) { return char('0' + ((unsigned char)superscript - kSupZero)); }

bool validField(const Player& p, int i) {
  return i >= 0 && i < int(p.regions.answerFieldTable.size());
}

// The field that takes keys now, or nullptr: keys are ignored while the
// program waits, when the question has no field receiving input, and on a
// screen whose question type marker is -1.
AnswerField* keyField(Player& p) {
  if (p.shell.waiting || p.text.boxLayout.perRow == -1) return nullptr;
  const int i = p.regions.inputField;
  if (i < p.regions.firstField || !validField(p, i)) return nullptr;
  return &p.regions.answerFieldTable[size_t(i)];
}

// Position just after the last digit or decimal separator, or npos.
size_t afterLastDigit(const std::string& t, char sep) {
  for (size_t k = t.size(); k-- > 0;)
    if (isDigit(t[k]) || t[k] == sep) return k + 1;
  return std::string::npos;
}

void endWithBlank(std::string& t) {
  if (t.empty() || t.back() != ' ') t += ' ';
}

// A number field's text after a key, or the same text when the key does
// not fit.
std::string typeIntoNumber(std::string t, char key, char sep) {
  const size_t times = t.find(kTimesTen);
  const bool e = times != std::string::npos;
  if (key == '0' && (t == "0" || t == "0 ")) return t;

  if ((key == 'x' || key == 'X') && !e) {
    const std::string sepBlank{sep, ' '};
    if (t.size() >= 2 && t.compare(t.size() - 2, 2, sepBlank) == 0) t.erase(t.size() - 2);
    // The power of ten goes after the mantissa's last digit; a text with
    // no digit (empty, or a lone "-") has no number to scale.
    const size_t at = afterLastDigit(t, sep);
    if (at == std::string::npos) return t;
    t.insert(at, std::string(kTimesTen) + char(kSupZero) + char(kSupZero));
    endWithBlank(t);
    return t;
  }
  if (key == '-' && e) {
    const size_t at = times + kTimesTen.size();
    if (at < t.size() && t[at] == kExpMinus)
      t.erase(at, 1);
    else
      t.insert(at, 1, kExpMinus);
    return t;
  }
  if (key == '-') {
    if (!t.empty() && t.front() == '-')
      t.erase(0, 1);
    else
      t.insert(0, 1, '-');
    return t;
  }
  if (isDigit(key) && e) {
    size_t at = times + kTimesTen.size();
    if (at < t.size() && t[at] == kExpMinus) ++at;
    std::string digits;
    for (size_t k = at; k < t.size() && isSuperscript(t[k]); ++k) digits += t[k];
    const char second = digits.size() >= 2   ? digits[1]
                        : digits.size() == 1 ? digits[0]
                                             : char(kSupZero);
    return t.substr(0, at) + second + superscriptOf(key) + ' ';
  }
  const bool hasSep = t.find(sep) != std::string::npos;
  if (isDigit(key) || (key == sep && !hasSep && !e)) {  // no point in a power of ten
    if (int(t.size()) > (hasSep ? kMaxDigits + 1 : kMaxDigits)) return t;
    const size_t at = afterLastDigit(t, sep);
    if (at != std::string::npos)
      t.insert(at, 1, key);
    else
      t += key;  // after a lone "-" this gives "-" and the key
    endWithBlank(t);
    return t;
  }
  return t;
}

// Backspace on a number field: the whole exponent, or the last digit or
// separator (and a sign left in front of nothing but zeros).
std::string backspaceNumber(std::string t, char sep) {
  const size_t times = t.find(kTimesTen);
  if (times != std::string::npos) {
    size_t end = times + kTimesTen.size();
    if (end < t.size() && t[end] == kExpMinus) ++end;
    while (end < t.size() && isSuperscript(t[end])) ++end;
    t.erase(times, end - times);
  } else {
    const size_t at = afterLastDigit(t, sep);
    if (at == std::string::npos) return t;
    t.erase(at - 1, 1);
    const bool worthZero =
        std::none_of(t.begin(), t.end(), [](char c) { return c >= '1' && c <= '9'; });
    if (worthZero && !t.empty() && t.front() == '-') t.erase(0, 1);
  }
  // Nothing but blanks left: the field is empty again (a blank in front of
  // the next digit would hide the number from the judging).
  if (t.find_first_not_of(' ') == std::string::npos) t.clear();
  return t;
}

// The rectangle of a surface in work-area coordinates.
Rect onWorkArea(const Surface& s, Rect r) {
  if (s.kind == Surface::Kind::Popup) {
    r.x += s.placement.x;
    r.y += s.placement.y;
  }
  return r;
}

// The field's outline and the focus frame: (left, top) to (right, bottom),
// both corners included.
Rect outlineOf(const AnswerField& f) {
  return {f.left, f.top, f.right - f.left + 1, f.bottom - f.top + 1};
}

void redraw(Player& p, const AnswerField& f) {
  drawField(p, int(&f - p.regions.answerFieldTable.data()));
}

}  // namespace

void drawField(Player& p, int i, bool outlined) {
  if (!validField(p, i)) return;
  Surface& s = outputSurface(p);
  if (s.isPrinter()) return;
  const AnswerField& f = p.regions.answerFieldTable[size_t(i)];
  const Rect inside{f.left + 1, f.top + 1, f.right - f.left - 1, f.bottom - f.top - 1};
  s.drawing.fillRect(inside, f.background);
  if (outlined) s.drawing.drawRectOutline(outlineOf(f), kBlack);

  if (!f.text.empty()) {
    // The text is black in plain font 1 whatever the script's colour and
    // font are now (the field's background is always light, and its widths
    // are those of font 1); an exponent goes in font 5, one pixel higher.
    const FontSpec savedFont = s.font;
    const int savedId = p.text.fontId, savedHeight = p.text.lineHeight;
    setFontSize(p, 1);
    s.font.bold = s.font.italic = s.font.underline = false;
    const FontSpec normal = s.font;
    setFontSize(p, 5);
    s.font.bold = s.font.italic = s.font.underline = false;
    const FontSpec small = s.font;
    s.font = normal;
    const size_t times = f.text.find(kTimesTen);
    const std::string mantissa =
        times == std::string::npos ? f.text : f.text.substr(0, times + kTimesTen.size());
    std::string exponent;
    if (times != std::string::npos) {
      for (char c : f.text.substr(mantissa.size())) {
        if (c == kExpMinus)
          exponent += '-';
        else if (isSuperscript(c))
          exponent += digitOf(c);
      }
      exponent += ' ';
    }
    const int w1 = measureText(p, s, mantissa, 1);
    s.font = small;
    const int w2 = exponent.empty() ? 0 : p.platform.textWidth(exponent, small);
    const int x = f.right - (w1 + w2);
    p.platform.drawText(s.drawing, x, f.top, mantissa, normal, kBlack, &inside);
    if (!exponent.empty()) p.platform.drawText(s.drawing, x + w1, f.top - 1, exponent, small, kBlack, &inside);
    s.font = savedFont;
    p.text.fontId = savedId;
    p.text.lineHeight = savedHeight;
  }
  p.platform.refreshRect(onWorkArea(s, outlineOf(f)));
}

void setInputField(Player& p, int i) {
  Surface* s = p.engine.outputSurface;
  if (!s || s->isPrinter()) return;
  if (int(p.regions.answerFieldTable.size()) <= p.regions.firstField || !validField(p, i)) return;
  Rect& frame = p.regions.focusFrame;
  if (frame.x != 0) {
    const Rect old{frame.x, frame.y, frame.w + 1, frame.h + 1};
    s->drawing.drawRectOutline(old, kBlack);
    p.platform.refreshRect(onWorkArea(*s, old));
  }
  const AnswerField& f = p.regions.answerFieldTable[size_t(i)];
  frame = {f.left, f.top, f.right - f.left, f.bottom - f.top};
  s->drawing.drawRectOutline(outlineOf(f), kRed);
  p.platform.refreshRect(onWorkArea(*s, outlineOf(f)));
  p.regions.inputField = i;
}

void onKeyPress(Player& p, int code) {
  AnswerField* f = keyField(p);
  if (!f) return;
  // Control-C, -X, -Y and -V are not typed into a field.
  if (code == 3 || code == 22 || code == 24 || code == 25) return;
  if (code < 0 || code > 255) return;
  const char key = char(code);
  std::string text = f->text;
  switch (f->kind) {
    case kLetterField:
      if (key >= 'a' && key <= 'z') text = std::string{key, ' '};
      break;
    case kNumberField:
      text = typeIntoNumber(f->text, key, p.text.decimalSeparator);
      break;
    default:  // formula fields take no keys
      return;
  }
  if (text == f->text) return;
  f->text = std::move(text);
  redraw(p, *f);
}

void onKeyUp(Player& p, int code) {
  // Backspace acts on number fields only: a letter field takes a new
  // letter instead, and a formula field takes no keys.
  if (code != 8 || p.text.boxLayout.perRow != 8) return;
  AnswerField* f = keyField(p);
  if (!f || f->text.empty() || f->kind != kNumberField) return;
  std::string text = backspaceNumber(f->text, p.text.decimalSeparator);
  if (text == f->text) return;
  f->text = std::move(text);
  redraw(p, *f);
}

void prepareFieldClipboard(Player& p, int i) {
  std::string& clip = p.regions.fieldClipboard;
  clip.clear();
  if (!validField(p, i)) return;
  const AnswerField& f = p.regions.answerFieldTable[size_t(i)];
  if (f.text.empty()) return;
  int kind;
  std::string value;
  if (f.kind == kFormulaField) {
    kind = 81;
    value = f.text.substr(0, f.text.size() - 1);
  } else {
    value = leadingNumber(p, f.text);
    kind = value.empty() ? 0 : 80;
  }
  clip = payloadText(kind, value);
}

std::string payloadText(int kind, std::string_view value) {
  return std::string(kClipboardMarker) + "," + std::to_string(kind) + "," + std::string(value);
}

bool parsePayload(std::string_view text, int& kind, std::string& value) {
  const std::string marker = std::string(kClipboardMarker) + ",";
  if (text.substr(0, marker.size()) != marker) return false;
  const size_t comma = text.find(',', marker.size());
  if (comma == std::string_view::npos) return false;
  const std::string_view kindText = text.substr(marker.size(), comma - marker.size());
  if (kindText.empty() || kindText.size() > 6 ||
      !std::all_of(kindText.begin(), kindText.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return false;
  kind = std::stoi(std::string(kindText));
  value = std::string(text.substr(comma + 1));
  return true;
}

void copyField(Player& p) {
  // An empty field has nothing to copy; the pupil's clipboard is kept.
  if (!p.regions.fieldClipboard.empty()) p.platform.setClipboardText(p.regions.fieldClipboard);
}

void cutField(Player& p) {
  copyField(p);
  clearField(p);
}

void clearField(Player& p) {
  const int i = p.regions.inputField;
  if (!validField(p, i)) return;
  p.regions.answerFieldTable[size_t(i)].text.clear();
  drawField(p, i);
}

void dropOnField(Player& p, int i) {
  if (!validField(p, i)) return;
  setInputField(p, i);
  p.regions.inputField = i;
  DragPayload& drag = p.regions.drag;
  std::string text;
  const size_t mark = drag.text.find(kNbsp);
  if (drag.kind == 80 && mark != std::string::npos) {
    // The calculator's form: mantissa, a non-breaking space, then a second
    // one for a positive exponent or "-" for a negative one, and the digits.
    text = drag.text.substr(0, mark) + std::string(kTimesTen);
    std::string_view rest = std::string_view(drag.text).substr(mark + 1);
    if (!rest.empty() && rest.front() == '-') text += kExpMinus;
    for (char c : rest)
      if (isDigit(c)) text += superscriptOf(c);
    text += ' ';
  } else {
    text = drag.text + ' ';
  }
  p.regions.answerFieldTable[size_t(i)].text = std::move(text);
  drag = DragPayload{};
  p.platform.focusMainWindow();
  drawField(p, i);
}

void pasteField(Player& p) {
  AnswerField* f = keyField(p);
  if (!f || (f->kind != kNumberField && f->kind != kFormulaField)) return;
  int kind = 0;
  std::string value;
  if (!parsePayload(p.platform.clipboardText(), kind, value) || (kind != 80 && kind != 81)) return;
  p.regions.drag = {value.substr(0, 999), kind};
  dropOnField(p, p.regions.inputField);
}

void onClipboardKey(Player& p, int code) {
  if (!keyField(p)) return;
  switch (code) {
    case 3:
      prepareFieldClipboard(p, p.regions.inputField);
      copyField(p);
      break;
    case 24:
      prepareFieldClipboard(p, p.regions.inputField);
      cutField(p);
      break;
    case 22:
      pasteField(p);
      break;
    default:
      break;
  }
}

}  // namespace vintara
