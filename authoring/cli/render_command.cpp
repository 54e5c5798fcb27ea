// vintara-author render
#include <cstdio>

#include "authoring/cli/commands.h"

namespace vintara::cli {

int render(const Args&) {
  std::fprintf(stderr, "vintara-author: 'render' is not available in this version\n");
  return 2;
}

}  // namespace vintara::cli
