// orkcave-editor: the game's start-up and loop, with each tick one step of
// the segment editor instead of the game update.
#include <allegro.h>

#include "core/Game.h"
#include "core/MainLoop.h"
#include "core/Startup.h"

namespace {
Game* theGame = nullptr;

void runEditorTick(void* context)
{
    Game* game = static_cast<Game*>(context);
    game->editSegments();
    game->draw();
    blit(game->backBuffer, screen, 0, 0, 0, 0, SCREEN_W, SCREEN_H);
    if (game->editorNoticeTicks > 0)
        --game->editorNoticeTicks;
}

void restMs(unsigned int ms)
{
    rest(ms);
}
}

int main()
{
    int failure = startUp(libraryStartupCalls(), theGame);
    if (failure != 0)
        return failure;
    theGame->editorMode = true;
    // Start where the saved block is: the top-left corner of the grid.
    theGame->view->origin->x = 0;
    theGame->view->origin->y = 0;
    LoopHooks hooks = {runEditorTick, restMs, theGame};
    while (runLoopPass(hooks)) {
    }
    allegro_exit();
    return 0;
}
END_OF_MAIN()
