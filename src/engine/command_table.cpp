#include "engine/command_table.h"

#include <string>
#include <unordered_map>

#include "platform/text_codec.h"

namespace vintara {

namespace {
constexpr CommandInfo kTable[] = {
#define COMMAND(word, handler, signature, blockEnd) {word, &handler, signature, blockEnd},
#include "engine/command_list.h"
#undef COMMAND
};

// The table is tested in order; the index keeps the first entry of each
// word, which is the one that order selects.
const std::unordered_map<std::string_view, const CommandInfo*>& wordIndex() {
  static const auto index = [] {
    std::unordered_map<std::string_view, const CommandInfo*> m;
    for (const auto& c : kTable) m.emplace(c.word, &c);
    return m;
  }();
  return index;
}
}  // namespace

std::span<const CommandInfo> commandTable() { return kTable; }

const CommandInfo* findCommand(std::string_view lowerWord) {
  auto& index = wordIndex();
  auto it = index.find(lowerWord);
  return it == index.end() ? nullptr : it->second;
}

const CommandInfo* findCommandAnyCase(std::string_view word) {
  // Lower-cased on the stack: no table word is this long.
  char lower[40];
  if (word.size() >= sizeof lower) return nullptr;
  for (size_t i = 0; i < word.size(); ++i) lower[i] = char(lowerChar((unsigned char)word[i]));
  return findCommand(std::string_view(lower, word.size()));
}

}  // namespace vintara
