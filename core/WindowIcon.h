#pragma once

// Makes the ork head, built into the program, the window's icon: for
// Allegro, which reads it when it starts, so this comes first, and at every
// size for the desktop.
void useOrkHeadIcon();
