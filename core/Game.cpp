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

void destroyIfLoaded(BITMAP* picture)
{
    if (picture)
        destroy_bitmap(picture);
}
}

Game::Game()
{
    backBuffer = create_bitmap(SCREEN_W, SCREEN_H);
    view.reset(new View());
    view->setBuffer(backBuffer);
    sound.reset(new SoundBoard());
    sound->view = view.get();
    debrisTable.reset(new Debris());
    debrisTable->loadPictures(palette);
    tileMap.reset(new TileMap());
    tileMap->loadTextures(palette);
    tileMap->debrisSource = debrisTable.get();
    sight.reset(new Sight());
    sight->tileMap = tileMap.get();
    crosshairSprite = loadPicture(DataFile::Crosshair, palette);
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
        orks->orkSprites[k] = loadPicture(nthDataFile(DataFile::Ork0, k), palette);
    orks->deadSprite = loadPicture(DataFile::OrkDead, palette);
    for (int k = 0; k < 3; ++k)
        orks->footprintSprites[k] = loadPicture(nthDataFile(DataFile::Footprint0, k), palette);
    orks->bloodSprite = loadPicture(DataFile::Blood, palette);

    for (int k = 0; k < 3; ++k)
        elf->frames[k] = loadPicture(nthDataFile(DataFile::Elf0, k), palette);
    elf->bagSprite = loadPicture(DataFile::ElfBag, palette);
    elf->deadSprite = loadPicture(DataFile::ElfDead, palette);
    elf->stealthSprite = loadPicture(DataFile::Elf2, palette);
    pierceIntoGrid(elf->stealthSprite);

    bagPosition.reset(new Vector());
    bagSprite = loadPicture(DataFile::Bag, palette);
    elf->daggers->sprite = loadPicture(DataFile::Dagger, palette);
    deaths = 0;

    startLevel(FirstLevelSize);
    elf->kill();
    view->origin->x = tileMap->width * TileMap::TileSize / 2;
    view->origin->y = tileMap->height * TileMap::TileSize / 2;
    screens->state = Intro;
}

Game::~Game()
{
    for (BITMAP* picture : orks->orkSprites)
        destroyIfLoaded(picture);
    for (BITMAP* picture : orks->footprintSprites)
        destroyIfLoaded(picture);
    destroyIfLoaded(orks->deadSprite);
    destroyIfLoaded(orks->bloodSprite);
    for (BITMAP* picture : elf->frames)
        destroyIfLoaded(picture);
    destroyIfLoaded(elf->bagSprite);
    destroyIfLoaded(elf->deadSprite);
    destroyIfLoaded(elf->stealthSprite);
    destroyIfLoaded(elf->daggers->sprite);
    destroyIfLoaded(bagSprite);
    destroyIfLoaded(crosshairSprite);
    destroyIfLoaded(backBuffer);
}
