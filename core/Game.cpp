#include "core/Game.h"

#include "core/DataFiles.h"
#include "world/FastSprite.h"

namespace {
constexpr int FirstLevelSize = 2;  // the game opens on a large level behind the intro

// Paints every even row, and every even column below twice the height, in the
// mask colour: the elf shows as a see-through grid while sneaking.
void pierceIntoGrid(BITMAP* picture)
{
    if (!picture)
        return;
    const int mask = maskColour();
    for (int i = 0; i < 2 * picture->h; i += 2) {
        line(picture, i, 0, i, picture->h, mask);
        line(picture, 0, i, picture->w, i, mask);
    }
}
}

Game::Game()
{
    backBuffer.reset(create_bitmap(SCREEN_W, SCREEN_H));
    view.reset(new View());
    view->setBuffer(backBuffer.get());
    sound.reset(new SoundBoard());
    sound->view = view.get();
    debrisTable.reset(new Debris());
    debrisTable->loadPictures(palette);
    tileMap.reset(new TileMap());
    tileMap->loadTextures(palette);
    tileMap->debrisSource = debrisTable.get();
    sight.reset(new Sight());
    sight->tileMap = tileMap.get();
    crosshairSprite.reset(loadPicture(DataFile::Crosshair, palette));
    aimPoint.reset(new Vector());
    screens.reset(new Screens());
    screens->loadPictures(palette);
    orks.reset(new OrkHorde());
    orks->tileMap = tileMap.get();
    elf.reset(new Elf());
    elf->map = tileMap.get();
    elf->daggers->map = tileMap.get();
    elf->daggers->horde = orks.get();
    elf->daggers->sound = sound.get();
    orks->elf = elf.get();
    orks->sight = sight.get();
    orks->sound = sound.get();
    orks->debrisTable = debrisTable.get();

    for (int k = 0; k < 3; ++k)
        orks->orkSprites[k] = loadActorPicture(nthDataFile(DataFile::Ork0, k));
    orks->deadSprite = loadActorPicture(DataFile::OrkDead);
    for (int k = 0; k < 3; ++k)
        orks->footprintSprites[k] = loadActorPicture(nthDataFile(DataFile::Footprint0, k));
    orks->bloodSprite = loadActorPicture(DataFile::Blood);

    for (int k = 0; k < 3; ++k)
        elf->frames[k] = loadActorPicture(nthDataFile(DataFile::Elf0, k));
    elf->bagSprite = loadActorPicture(DataFile::ElfBag);
    elf->deadSprite = loadActorPicture(DataFile::ElfDead);
    elf->stealthSprite = loadActorPicture(DataFile::Elf2);
    pierceIntoGrid(elf->stealthSprite);

    bagPosition.reset(new Vector());
    bagSprite.reset(loadPicture(DataFile::Bag, palette));
    elf->daggers->sprite = loadActorPicture(DataFile::Dagger);
    deaths = 0;

    startLevel(FirstLevelSize);
    elf->kill();
    view->origin->x = tileMap->width * TileMap::TileSize / 2;
    view->origin->y = tileMap->height * TileMap::TileSize / 2;
    screens->state = Intro;
}

BITMAP* Game::loadActorPicture(DataFile file)
{
    actorPictures.emplace_back(loadPicture(file, palette));
    return actorPictures.back().get();
}
