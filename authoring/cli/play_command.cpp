// vintara-author play
#include <cstdio>

#include "authoring/cli/commands.h"

namespace vintara::cli {

int play(const Args&) {
  std::fprintf(stderr, "vintara-author: 'play' is not available in this version\n");
  return 2;
}

}  // namespace vintara::cli
