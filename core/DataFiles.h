#pragma once

// Every picture and sample the game reads, in one list: its path as the game
// opens it, its kind, and the object that loads it. The loaders, the start-up
// data check, the asset generator and its preview all go by this list, so a
// new picture is one line here plus its painting code. The segment files are
// numbered instead and named by segment::fileName.
#define ORKCAVE_DATA_FILES(FILE)                                         \
    FILE(Dirt, "textures//dirt.bmp", Picture, "TileMap")                 \
    FILE(Water, "textures//water.bmp", Picture, "TileMap")               \
    FILE(Rock, "textures//rock.bmp", Picture, "TileMap")                 \
    FILE(WaterFade, "textures//wfade.bmp", Picture, "TileMap")           \
    FILE(RockFade, "textures//rfade.bmp", Picture, "TileMap")            \
    FILE(Fog, "textures//fog.bmp", Picture, "TileMap")                   \
    FILE(Debris0, "textures//debris0.bmp", Picture, "Debris")            \
    FILE(Debris1, "textures//debris1.bmp", Picture, "Debris")            \
    FILE(Debris2, "textures//debris2.bmp", Picture, "Debris")            \
    FILE(Debris3, "textures//debris3.bmp", Picture, "Debris")            \
    FILE(Debris4, "textures//debris4.bmp", Picture, "Debris")            \
    FILE(Debris5, "textures//debris5.bmp", Picture, "Debris")            \
    FILE(Crosshair, "textures//crosshair.bmp", Picture, "Game")          \
    FILE(Head, "textures//head.bmp", Picture, "Screens")                 \
    FILE(Dagger, "textures//dagger.bmp", Picture, "Screens and Game")    \
    FILE(Grave, "textures//grave.bmp", Picture, "Screens")               \
    FILE(Intro, "textures//intro.bmp", Picture, "Screens")               \
    FILE(Victory,      "textures//victory.bmp", Picture, "Screens")      \
    FILE(Ork0, "textures//Ork0.bmp", Picture, "Game")                    \
    FILE(Ork1, "textures//Ork1.bmp", Picture, "Game")                    \
    FILE(Ork2, "textures//Ork2.bmp", Picture, "Game")                    \
    FILE(OrkDead, "textures//Orkdead.bmp", Picture, "Game")              \
    FILE(Footprint0, "textures//footprint0.bmp", Picture, "Game")        \
    FILE(Footprint1, "textures//footprint1.bmp", Picture, "Game")        \
    FILE(Footprint2, "textures//footprint2.bmp", Picture, "Game")        \
    FILE(Blood, "textures//blood.bmp", Picture, "Game")                  \
    FILE(Elf0, "textures//elf0.bmp", Picture, "Game")                    \
    FILE(Elf1, "textures//elf1.bmp", Picture, "Game")                    \
    FILE(Elf2, "textures//elf2.bmp", Picture, "Game")                    \
    FILE(ElfBag, "textures//elfbag.bmp", Picture, "Game")                \
    FILE(ElfDead, "textures//elfdead.bmp", Picture, "Game")              \
    FILE(Bag, "textures//bag.bmp", Picture, "Game")                      \
    FILE(Bone, "sounds\\bone.wav", Sample, "SoundBoard")                 \
    FILE(Glass, "sounds\\glass.wav", Sample, "SoundBoard")               \
    FILE(Ducky, "sounds\\ducky.wav", Sample, "SoundBoard")               \
    FILE(Splash, "sounds\\splash.wav", Sample, "SoundBoard")             \
    FILE(Warg, "sounds\\warg.wav", Sample, "SoundBoard")                 \
    FILE(Splat, "sounds\\splat.wav", Sample, "SoundBoard")

enum class DataKind { Picture, Sample };

#define ORKCAVE_DATA_ID(id, path, kind, loader) id,
enum class DataFile { ORKCAVE_DATA_FILES(ORKCAVE_DATA_ID) Count };
#undef ORKCAVE_DATA_ID

struct DataFileEntry {
    DataFile id;
    const char* path;  // as the game opens it; sample paths keep their backslash
    DataKind kind;
    const char* loadedBy;
};

constexpr int DataFileCount = static_cast<int>(DataFile::Count);
extern const DataFileEntry dataFiles[DataFileCount];

// The path of a listed file, as written in the list.
const char* dataPath(DataFile file);

// The file n places after first in the list, for numbered runs such as
// Debris0 to Debris5.
DataFile nthDataFile(DataFile first, int n);

// Loads a listed picture with load_bitmap; nullptr when it cannot.
struct BITMAP* loadPicture(DataFile file, struct RGB* palette);

// The path with each backslash turned into '/', which Linux needs: the list
// keeps sample names as the sample table writes them.
const char* portablePath(const char* name, char* buffer, int bufferSize);
