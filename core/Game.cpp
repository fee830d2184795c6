#include "core/Game.h"

namespace {
constexpr int FirstLevelSize = 2;  // the game opens on a large level behind the intro

const char* const OrkSpriteFiles[3] = {"textures//Ork0.bmp", "textures//Ork1.bmp", "textures//Ork2.bmp"};
const char* const FootprintFiles[3] = {"textures//footprint0.bmp", "textures//footprint1.bmp",
                                       "textures//footprint2.bmp"};
const char* const ElfFrameFiles[3] = {"textures//elf0.bmp", "textures//elf1.bmp", "textures//elf2.bmp"};

// Paints every even row, and every even column below twice the height, in the
// mask colour: the elf shows as a see-through grid while sneaking.
void pierceIntoGrid(BITMAP* picture)
{
    if (!picture)
        return;
    int mask = makecol(255, 0, 255);
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
    crosshairSprite = load_bitmap("textures//crosshair.bmp", palette);
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
        orks->orkSprites[k] = load_bitmap(OrkSpriteFiles[k], palette);
    orks->deadSprite = load_bitmap("textures//Orkdead.bmp", palette);
    for (int k = 0; k < 3; ++k)
        orks->footprintSprites[k] = load_bitmap(FootprintFiles[k], palette);
    orks->bloodSprite = load_bitmap("textures//blood.bmp", palette);

    for (int k = 0; k < 3; ++k)
        elf->frames[k] = load_bitmap(ElfFrameFiles[k], palette);
    elf->bagSprite = load_bitmap("textures//elfbag.bmp", palette);
    elf->deadSprite = load_bitmap("textures//elfdead.bmp", palette);
    elf->stealthSprite = load_bitmap("textures//elf2.bmp", palette);
    pierceIntoGrid(elf->stealthSprite);

    bagPosition.reset(new Vector());
    bagSprite = load_bitmap("textures//bag.bmp", palette);
    elf->daggers->sprite = load_bitmap("textures//dagger.bmp", palette);
    deaths = 0;

    startLevel(FirstLevelSize);
    elf->dead = true;
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
