#include "engine/script_errors.h"

#include <algorithm>

#include "engine/player.h"
#include "engine/script_text.h"

namespace vintara {

void scriptError(Player& p, const std::string& what) {
  const std::string where = (p.engine.scriptName.empty() ? std::string("script") : p.engine.scriptName) +
                            ", line " + std::to_string(currentLineNumber(p.engine));
  const std::string key = where + ": " + what;
  auto& seen = p.run.reportedErrors;
  if (std::find(seen.begin(), seen.end(), key) != seen.end()) return;
  seen.push_back(key);
  p.message("Script error in " + where + ": " + what + ".", Buttons::Ok, Icon::Warning);
}

}  // namespace vintara
