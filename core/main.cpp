#include <allegro.h>

#include "core/Game.h"
#include "core/MainLoop.h"
#include "core/Startup.h"

Game* theGame = nullptr;  // lives until the process ends

int main()
{
    int failure = startUp(libraryStartupCalls(), theGame);
    if (failure != 0)
        return failure;
    runMainLoop(*theGame);
    allegro_exit();
    return 0;
}
END_OF_MAIN()
