#pragma once

// Every picture and sample the game reads, in one list: its path as the game
// opens it, its kind, and the object that loads it. The loaders, the start-up
// data check, the asset generator and its preview all go by this list, so a
// new picture is one line here plus its painting code. The segment files are
// numbered instead and named by segment::fileName.
#define ORKCAVE_DATA_FILES(ENTRY)                                       \
    ENTRY(Dirt, "textures//dirt.bmp", Picture, "TileMap")               \
    ENTRY(Water, "textures//water.bmp", Picture, "TileMap")             \
    ENTRY(Rock, "textures//rock.bmp", Picture, "TileMap")               \
    ENTRY(WaterFade, "textures//wfade.bmp", Picture, "TileMap")         \
    ENTRY(RockFade, "textures//rfade.bmp", Picture, "TileMap")          \
    ENTRY(Fog, "textures//fog.bmp", Picture, "TileMap")                 \
    ENTRY(Debris0, "textures//debris0.bmp", Picture, "Debris")          \
    ENTRY(Debris1, "textures//debris1.bmp", Picture, "Debris")          \
    ENTRY(Debris2, "textures//debris2.bmp", Picture, "Debris")          \
    ENTRY(Debris3, "textures//debris3.bmp", Picture, "Debris")          \
    ENTRY(Debris4, "textures//debris4.bmp", Picture, "Debris")          \
    ENTRY(Debris5, "textures//debris5.bmp", Picture, "Debris")          \
    ENTRY(Crosshair, "textures//crosshair.bmp", Picture, "Game")        \
    ENTRY(Head, "textures//head.bmp", Picture, "Screens")               \
    ENTRY(Dagger, "textures//dagger.bmp", Picture, "Screens and Game")  \
    ENTRY(Grave, "textures//grave.bmp", Picture, "Screens")             \
    ENTRY(Intro, "textures//intro.bmp", Picture, "Screens")             \
    ENTRY(Victory, "textures//victory.bmp", Picture, "Screens")         \
    ENTRY(Ork0, "textures//Ork0.bmp", Picture, "Game")                  \
    ENTRY(Ork1, "textures//Ork1.bmp", Picture, "Game")                  \
    ENTRY(Ork2, "textures//Ork2.bmp", Picture, "Game")                  \
    ENTRY(OrkDead, "textures//Orkdead.bmp", Picture, "Game")            \
    ENTRY(Footprint0, "textures//footprint0.bmp", Picture, "Game")      \
    ENTRY(Footprint1, "textures//footprint1.bmp", Picture, "Game")      \
    ENTRY(Footprint2, "textures//footprint2.bmp", Picture, "Game")      \
    ENTRY(Blood, "textures//blood.bmp", Picture, "Game")                \
    ENTRY(Elf0, "textures//elf0.bmp", Picture, "Game")                  \
    ENTRY(Elf1, "textures//elf1.bmp", Picture, "Game")                  \
    ENTRY(Elf2, "textures//elf2.bmp", Picture, "Game")                  \
    ENTRY(ElfBag, "textures//elfbag.bmp", Picture, "Game")              \
    ENTRY(ElfDead, "textures//elfdead.bmp", Picture, "Game")            \
    ENTRY(Bag, "textures//bag.bmp", Picture, "Game")                    \
    ENTRY(Bone, "sounds\\bone.wav", Sample, "SoundBoard")               \
    ENTRY(Glass, "sounds\\glass.wav", Sample, "SoundBoard")             \
    ENTRY(Ducky, "sounds\\ducky.wav", Sample, "SoundBoard")             \
    ENTRY(Splash, "sounds\\splash.wav", Sample, "SoundBoard")           \
    ENTRY(Warg, "sounds\\warg.wav", Sample, "SoundBoard")               \
    ENTRY(Splat, "sounds\\splat.wav", Sample, "SoundBoard")

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
