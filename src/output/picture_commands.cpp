// Picture and drawing commands.
#include "output/pictures.h"

#include "engine/command_table.h"
#include "engine/player.h"

namespace vintara {

void cmdBackdrop(Player&) {}
void cmdLine(Player&) {}
void cmdAtGraphic(Player&) {}
void cmdClsPicture(Player&) {}
void cmdErasePicture(Player&) {}
void cmdPicture(Player&) {}
void cmdPictureFx(Player&) {}
void cmdSlowPictureFx(Player&) {}
void cmdSplatPicture(Player&) {}
void cmdStyleBackdrop(Player&) {}
void cmdShowStars(Player&) {}
void cmdBox(Player&) {}
void cmdErase(Player&) {}


}  // namespace vintara
