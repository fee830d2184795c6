#include <allegro.h>

#include "core/Game.h"
#include "core/MainLoop.h"
#include "core/Startup.h"
#include "core/WindowIcon.h"

Game* theGame = nullptr;  // lives until the process ends

int main()
{
    useOrkHeadIcon();
    int failure = startUp(libraryStartupCalls(), "Ork Cave", "orkcave", theGame);
    if (failure != 0)
        return failure;
    runMainLoop(*theGame, [](Game& game) { game.update(); });
    allegro_exit();
    return 0;
}
END_OF_MAIN()
