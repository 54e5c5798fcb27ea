// vintara-author lint
#include <cstdio>

#include "authoring/cli/commands.h"

namespace vintara::cli {

int lint(const Args&) {
  std::fprintf(stderr, "vintara-author: 'lint' is not available in this version\n");
  return 2;
}

}  // namespace vintara::cli
