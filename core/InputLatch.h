#pragma once

// Keys and mouse buttons as the rules read them, once per tick: held now, or
// pressed since the tick before. A tap shorter than a tick thus counts in the
// next tick and is never lost; after that a key follows its real state. Until
// the latch is installed, or when nothing was pressed in between, this reads
// exactly key[] and mouse_b, as replays and tests set them.
namespace input {

// Hooks Allegro's keyboard and mouse callbacks, which run on its input thread.
void installLatch();

// Takes the presses made since the last call as this tick's; every tick calls it first.
void latchTick();

// Whether the key (KEY_F1, KEY_W, ...) counts as held in this tick.
bool held(int scancode);
// Whether the button (LeftButton or RightButton) counts as held in this tick.
bool buttonHeld(int button);

}
