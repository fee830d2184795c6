#include <allegro.h>

#include "core/Game.h"
#include "core/MainLoop.h"
#include "core/Signals.h"
#include "core/Startup.h"
#include "core/WindowIcon.h"

int main()
{
    useOrkHeadIcon();
    // Lives until the process ends; never destroyed.
    Game* game = nullptr;
    int failure = startUp(libraryStartupCalls(), "Ork Cave", "orkcave", game);
    if (failure != 0)
        return failure;
    runMainLoop(*game, [](Game& playing) { playing.update(); });
    allegro_exit();
    return exitStatus();
}
END_OF_MAIN()
