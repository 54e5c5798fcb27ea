// The command table: word -> handler, in the order the words are tested.
#pragma once

#include <span>
#include <string_view>

namespace vintara {

class Player;
using CommandHandler = void (*)(Player&);

struct CommandInfo {
  const char* word;  // lower case
  CommandHandler handler;
  const char* signature;  // see command_list.h
  const char* blockEnd;   // nullptr unless the command opens a block
};

std::span<const CommandInfo> commandTable();
// The first entry for a lower-case word, or nullptr.
const CommandInfo* findCommand(std::string_view lowerWord);
// The same for a word as written (compared in lower case).
const CommandInfo* findCommandAnyCase(std::string_view word);

// Every handler, declared from the command list.
#define COMMAND(word, handler, signature, blockEnd) void handler(Player&);
#include "engine/command_list.h"
#undef COMMAND

}  // namespace vintara
