// orkcave-editor: the game's start-up and loop, with each tick one step of
// the segment editor instead of the game update.
#include <allegro.h>

#include "core/Game.h"
#include "core/MainLoop.h"
#include "core/Signals.h"
#include "core/Startup.h"
#include "core/WindowIcon.h"

namespace {
void editTick(Game& game)
{
    // Counted down before the step, so a fresh notice is drawn its full number of frames.
    if (game.editorNoticeTicks > 0)
        --game.editorNoticeTicks;
    game.editSegments();
}
}

int main()
{
    useOrkHeadIcon();
    // Lives until the process ends; never destroyed.
    Game* game = nullptr;
    int failure = startUp(libraryStartupCalls(), "Ork Cave Segment Editor", "orkcave-editor", game);
    if (failure != 0)
        return failure;
    game->editorMode = true;
    // Start where the saved block is: the top-left corner of the grid.
    game->view->origin->x = 0;
    game->view->origin->y = 0;
    runMainLoop(*game, editTick);
    allegro_exit();
    return exitStatus();
}
END_OF_MAIN()
