#pragma once

class Game;

// One frame of the game drawn the straightforward way: the buffer cleared,
// every map layer walked in full and every picture put down with
// draw_sprite. The game's own, faster drawing must leave exactly the same
// pixels. Like Game::draw it draws into the back buffer and does the fog
// bookkeeping of the tiles.
void drawReferenceFrame(Game& game);
