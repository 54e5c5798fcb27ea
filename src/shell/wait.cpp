#include "shell/wait.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "engine/player.h"

namespace vintara {

void delaySeconds(Player& p, double seconds) {
  Platform& pf = p.platform;
  struct Flag {
    bool& flag;
    bool was;
    ~Flag() { flag = was; }
  } flag{p.shell.waiting, p.shell.waiting};
  p.shell.waiting = true;
  const double ms = std::isfinite(seconds) ? std::clamp(seconds * 1000.0, 0.0, 3600000.0) : 0.0;
  const uint32_t until = pf.millis() + uint32_t(std::lround(ms));
  // The clock wraps like a 32-bit tick count: compare by difference.
  auto passed = [&] { return int32_t(pf.millis() - until) >= 0; };
  while (!passed()) {
    pf.processEvents();
    if (passed()) break;
    pf.pauseBriefly();
  }
}

}  // namespace vintara
