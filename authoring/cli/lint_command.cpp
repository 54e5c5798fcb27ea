// vintara-author lint CONTENT
#include <cstdio>

#include "authoring/cli/commands.h"
#include "authoring/lint.h"
#include "platform/text_codec.h"

namespace vintara::cli {

int lint(const Args& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: vintara-author lint CONTENT\n");
    return 2;
  }
  const auto messages = vintara::lintContent(args[0]);
  for (const auto& m : messages) std::printf("%s\n", vintara::cp1252ToUtf8(m.format()).c_str());
  if (!messages.empty())
    std::fprintf(stderr, "vintara-author: %zu problem%s found\n", messages.size(),
                 messages.size() == 1 ? "" : "s");
  return messages.empty() ? 0 : 1;
}

}  // namespace vintara::cli
