// The commands of vintara-author, one file each. Each takes the arguments
// after the command word and returns the exit status.
#pragma once

#include <string>
#include <vector>

namespace vintara::cli {

using Args = std::vector<std::string>;

int build(const Args& args);   // build SRC OUT
int tree(const Args& args);    // tree CONTENT
int lint(const Args& args);    // lint CONTENT
int render(const Args& args);  // render CONTENT --screen N --out FILE.png
int play(const Args& args);    // play CONTENT EVENTS
int sounds(const Args& args);  // sounds LIST OUT

struct Command {
  const char* name;
  const char* usage;  // arguments and one line of description
  int (*run)(const Args&);
};

}  // namespace vintara::cli
