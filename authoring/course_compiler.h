// The course compiler: turns a readable course source into the content
// layout the player reads.
//
// A course source folder holds:
//   course.txt   the outline of the course tree (format below)
//   scripts/     plain-text scripts (UTF-8, any line ends), named by the
//                outline
//   content/     files copied into the content root as they are, at the
//                same relative paths (pictures, sounds, game data ...);
//                .svg pictures become 24-bit .bmp files of the same name
//
// Outline: one node per line, two blanks of indentation per level:
//   KIND CAPTION [| attribute]...
// KIND is "menu" (a branch), "screen", "point" (learning point) or "help".
// Attributes:
//   script=FILE    the node's script, relative to scripts/
//   flags=FHDS     tier and award letters (Foundation, Higher, Double,
//                  Single); all four when absent
//   id=N           the script number of a leaf (given in order otherwise)
//   keywords=K>T;K>T  index keywords and the topic each belongs to
//   noindex        the node has no entry in the index
// Blank lines and lines starting with "#" are ignored.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "authoring/file_message.h"
#include "content/course_tree.h"

namespace vintara {

using CompileMessage = FileMessage;

struct OutlineNode {
  int level = 0;
  int kind = 0;
  std::string caption;  // Windows-1252
  std::string script;   // relative to scripts/
  int flags = 15;
  int scriptNumber = 0;
  bool explicitId = false;
  std::string indexEntry;  // search.inf text
  int line = 0;
};

// Reads an outline; problems are appended to `messages`.
std::vector<OutlineNode> parseOutline(const std::string& text, const std::string& fileName,
                                      std::vector<CompileMessage>& messages);

// Turns plain script text (UTF-8, any line ends) into script file bytes:
// the 16-bit length and the Windows-1252 text with CR LF line ends. Fails
// when the text is too long for the length word.
bool compileScriptText(const std::string& source, std::string& fileBytes, int& length);

struct CompileOptions {
  // Converts a picture file (for example .svg) into the bytes of a 24-bit
  // BMP; returns false when it cannot. Without it such files are copied.
  std::function<bool(const std::string& sourcePath, std::string& bmpBytes)> convertSvg;
};

// Compiles SRC into OUT (the content root, created when missing).
// Returns the problems found; the build succeeded when there are none.
std::vector<CompileMessage> compileCourse(const std::string& sourceDir, const std::string& outDir,
                                          const CompileOptions& options = {});

// The outline of a compiled map, in the source format.
std::string printOutline(const MapFile& map);

}  // namespace vintara
