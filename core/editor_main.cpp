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
    game->startEditor();
    runMainLoop(*game, editTick);
    allegro_exit();
    return exitStatus();
}
END_OF_MAIN()
