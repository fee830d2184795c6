#include "core/Game.h"

Game::Game()
{
    backBuffer = create_bitmap(SCREEN_W, SCREEN_H);
}

Game::~Game()
{
    if (backBuffer)
        destroy_bitmap(backBuffer);
}

void Game::update() {}

void Game::draw()
{
    clear_to_color(backBuffer, makecol(0, 0, 0));
}

void Game::editSegments() {}

void Game::startLevel(int32_t) {}
