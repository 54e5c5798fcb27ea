// vintara-author tree CONTENT
#include <cstdio>

#include "authoring/cli/commands.h"
#include "authoring/course_compiler.h"
#include "content/content_paths.h"

namespace vintara::cli {

namespace {

int printTree(const std::string& content) {
  vintara::ContentPaths paths;
  paths.setRoot(content);
  std::string data, why;
  const std::string file = paths.resolve("database\\treeView.map");
  if (!vintara::readWholeFile(file, data)) {
    std::fprintf(stderr, "vintara-author: cannot read %s\n", file.c_str());
    return 1;
  }
  vintara::MapFile map;
  if (!vintara::parseMapFile(data, map, why)) {
    std::fprintf(stderr, "%s: damaged: %s\n", file.c_str(), why.c_str());
    return 1;
  }
  std::fputs(vintara::printOutline(map).c_str(), stdout);
  return 0;
}

}  // namespace

int tree(const Args& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: vintara-author tree CONTENT\n");
    return 2;
  }
  return printTree(args[0]);
}

}  // namespace vintara::cli
