// Typed answer fields.
#include "output/fields.h"

#include "engine/player.h"

namespace vintara {

void drawField(Player& p, int i, bool outlined) { (void)p, (void)i, (void)outlined; }
void setInputField(Player& p, int i) { (void)p, (void)i; }
void onKeyPress(Player& p, int code) { (void)p, (void)code; }
void onKeyUp(Player& p, int code) { (void)p, (void)code; }
void prepareFieldClipboard(Player& p, int i) { (void)p, (void)i; }
void copyField(Player& p) { (void)p; }
void cutField(Player& p) { (void)p; }
void clearField(Player& p) { (void)p; }
void dropOnField(Player& p, int i) { (void)p, (void)i; }

}  // namespace vintara
