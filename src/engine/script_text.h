// Script text: reading lines, tokenizing command lines, parameters,
// variables, labels.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/engine_state.h"

namespace vintara {

class Player;

constexpr char kCR = '\r';
constexpr char kLF = '\n';

// The next line of scriptText; advances scriptPos and sets lineStart.
// A scriptPos of 0 reads the last character of the script as a line.
std::string readScriptLine(EngineState& e);
// The same into `line`, reusing its storage (the interpreter's loop).
void readScriptLine(EngineState& e, std::string& line);

// Fills cmdItems and cmdItemCount from a command line (it starts with "@").
// Returns false, leaving the items as they were, when the line has more
// than 100 parameters.
bool tokenizeCommand(EngineState& e, std::string_view line);

// A number written in the text, or the value of the variable it names.
// Numbers outside 16 bits are script errors: they are reported and the
// value is clamped to -32768 or 32767. A name whose first character comes
// after "z" is a script error and gives 0.
int numericParam(Player& p, std::string_view text);

// The number a parameter holds, read strictly (locale notation); a text
// that holds no number is a script error and gives `fallback`.
double strictParam(Player& p, std::string_view text, double fallback = 0);
// The same rounded to 16 bits (halves to even); out of range is a script
// error and is clamped.
int strictInt16(Player& p, std::string_view text, int fallback = 0);
// Strict readers for commands that ignore a line they cannot read: nothing
// (after reporting the script error) when the text holds no number.
std::optional<double> readStrict(Player& p, std::string_view text);
std::optional<int> readStrictInt16(Player& p, std::string_view text);

// Field `index` (1-based) of a comma-separated text.
std::string getParameterString(int index, std::string_view text);

// Item i of the current command (1 is the first parameter); empty past
// cmdItemCount.
std::string commandItem(const Player& p, int i);

// cmdItems from `from` to cmdItemCount joined with ",".
std::string joinParams(const EngineState& e, int from);

// Searches forward from scriptPos for a line equal to `label` (lower case);
// returns the position after it, or 0 (scriptPos is then past scriptEnd).
int findLabel(EngineState& e, std::string_view label);
// Where findLabel would find `label`, leaving the script where it is.
int peekLabel(EngineState& e, std::string_view label);

// Replaces the line starting just after `position` with newText.
void replaceLine(EngineState& e, int position, std::string_view newText);

std::string StripTerminator(std::string_view text);

// 1-based number of the line that starts at lineStart (for messages).
int currentLineNumber(const EngineState& e);

// The commands whose parameters keep their blanks (lower-case word).
bool keepsBlanks(std::string_view word);

}  // namespace vintara
