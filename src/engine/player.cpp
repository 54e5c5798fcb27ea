#include "engine/player.h"

#include "assess/animation.h"
#include "assess/sound.h"
#include "engine/control_flow.h"
#include "engine/gadgets.h"
#include "output/pictures.h"
#include "shell/startup.h"

namespace vintara {

Player::Player(Platform& pf) : platform(pf), content(pf) {
  workArea.kind = Surface::Kind::WorkArea;
  workArea.resize(kWorkAreaWidth, kWorkAreaHeight);
  workArea.font = FontSpec{"arial", 12, false, true, false};
  popup.kind = Surface::Kind::Popup;
  popup.resize(200, 150);
  popup.visible = false;
  popup.font = FontSpec{"arial", 9.75};
  engine.outputSurface = &workArea;

  alwaysOn = platform.createTimer([this] {
    animationTick(*this);
    stepPictureEffect(*this);  // a slow wipe: one step per tick
  });
  internalTimer = platform.createTimer([this] { onInternalTimer(*this); });
  animationTimer = platform.createTimer([this] { onAnimationTimer(*this); });
  processorTimer = platform.createTimer([this] { onWaitTimer(*this); });
  forcedNew = platform.createTimer([this] { forcedNew_timer(*this); });
  connectSound(*this);
}

Player::~Player() = default;

void Player::setMenuEnabled(MenuItem item, bool enabled) {
  auto& m = shell.menus[size_t(item)];
  if (m.enabled == enabled) return;
  m.enabled = enabled;
  platform.menuChanged(item, m);
}

void Player::setMenuCaption(MenuItem item, const std::string& caption) {
  auto& m = shell.menus[size_t(item)];
  m.caption = caption;
  platform.menuChanged(item, m);
}

void Player::setMenuChecked(MenuItem item, bool checked) {
  auto& m = shell.menus[size_t(item)];
  m.checked = checked;
  platform.menuChanged(item, m);
}

void Player::setMenuVisible(MenuItem item, bool visible) {
  auto& m = shell.menus[size_t(item)];
  m.visible = visible;
  platform.menuChanged(item, m);
}

Answer Player::message(const std::string& text, Buttons buttons, Icon icon) {
  return platform.messageBox({text, "", buttons, icon});
}

}  // namespace vintara
