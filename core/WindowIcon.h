#pragma once

// Makes the ork head, built into the program, the window's icon. Allegro
// reads it when it starts, so this comes first.
void useOrkHeadIcon();
