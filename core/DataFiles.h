#pragma once

// The point a picture turns about when drawn, in its own pixels: the asset
// generator paints the figure around it and the game turns it about it.
struct Pivot {
    int x, y;
};
constexpr Pivot NoPivot{-1, -1};  // drawn unturned by its corner, or not a picture
constexpr Pivot OrkPivot{50, 100};
constexpr Pivot ElfPivot{50, 110};
constexpr Pivot PrintPivot{17, 13};
constexpr Pivot DaggerPivot{16, 16};

// Every picture and sample the game reads, in one list: its path as the game
// opens it, its kind, and the point it turns about. The loaders, the start-up
// data check, the asset generator and its preview all go by this list, so a
// new picture is one line here plus its painting code. The segment files are
// numbered instead and named by segment::fileName.
#define ORKCAVE_DATA_FILES(ENTRY)                                       \
    ENTRY(Dirt, "textures//dirt.bmp", Picture, NoPivot)                 \
    ENTRY(Water, "textures//water.bmp", Picture, NoPivot)               \
    ENTRY(Rock, "textures//rock.bmp", Picture, NoPivot)                 \
    ENTRY(WaterFade, "textures//wfade.bmp", Picture, NoPivot)           \
    ENTRY(RockFade, "textures//rfade.bmp", Picture, NoPivot)            \
    ENTRY(Fog, "textures//fog.bmp", Picture, NoPivot)                   \
    ENTRY(Debris0, "textures//debris0.bmp", Picture, NoPivot)           \
    ENTRY(Debris1, "textures//debris1.bmp", Picture, NoPivot)           \
    ENTRY(Debris2, "textures//debris2.bmp", Picture, NoPivot)           \
    ENTRY(Debris3, "textures//debris3.bmp", Picture, NoPivot)           \
    ENTRY(Debris4, "textures//debris4.bmp", Picture, NoPivot)           \
    ENTRY(Debris5, "textures//debris5.bmp", Picture, NoPivot)           \
    ENTRY(Crosshair, "textures//crosshair.bmp", Picture, NoPivot)       \
    ENTRY(Head, "textures//head.bmp", Picture, NoPivot)                 \
    ENTRY(Dagger, "textures//dagger.bmp", Picture, DaggerPivot)         \
    ENTRY(Grave, "textures//grave.bmp", Picture, NoPivot)               \
    ENTRY(Intro, "textures//intro.bmp", Picture, NoPivot)               \
    ENTRY(Victory, "textures//victory.bmp", Picture, NoPivot)           \
    ENTRY(Ork0, "textures//Ork0.bmp", Picture, OrkPivot)                \
    ENTRY(Ork1, "textures//Ork1.bmp", Picture, OrkPivot)                \
    ENTRY(Ork2, "textures//Ork2.bmp", Picture, OrkPivot)                \
    ENTRY(OrkDead, "textures//Orkdead.bmp", Picture, OrkPivot)          \
    ENTRY(Footprint0, "textures//footprint0.bmp", Picture, PrintPivot)  \
    ENTRY(Footprint1, "textures//footprint1.bmp", Picture, PrintPivot)  \
    ENTRY(Footprint2, "textures//footprint2.bmp", Picture, PrintPivot)  \
    ENTRY(Blood, "textures//blood.bmp", Picture, PrintPivot)            \
    ENTRY(Elf0, "textures//elf0.bmp", Picture, ElfPivot)                \
    ENTRY(Elf1, "textures//elf1.bmp", Picture, ElfPivot)                \
    ENTRY(Elf2, "textures//elf2.bmp", Picture, ElfPivot)                \
    ENTRY(ElfBag, "textures//elfbag.bmp", Picture, ElfPivot)            \
    ENTRY(ElfDead, "textures//elfdead.bmp", Picture, ElfPivot)          \
    ENTRY(Bag, "textures//bag.bmp", Picture, NoPivot)                   \
    ENTRY(Bone, "sounds\\bone.wav", Sample, NoPivot)                    \
    ENTRY(Glass, "sounds\\glass.wav", Sample, NoPivot)                  \
    ENTRY(Ducky, "sounds\\ducky.wav", Sample, NoPivot)                  \
    ENTRY(Splash, "sounds\\splash.wav", Sample, NoPivot)                \
    ENTRY(Warg, "sounds\\warg.wav", Sample, NoPivot)                    \
    ENTRY(Splat, "sounds\\splat.wav", Sample, NoPivot)

enum class DataKind { Picture, Sample };

#define ORKCAVE_DATA_ID(id, path, kind, pivot) id,
enum class DataFile { ORKCAVE_DATA_FILES(ORKCAVE_DATA_ID) Count };
#undef ORKCAVE_DATA_ID

struct DataFileEntry {
    DataFile id;
    const char* path;  // as the game opens it; sample paths keep their backslash
    DataKind kind;
    Pivot pivot;
};

constexpr int DataFileCount = static_cast<int>(DataFile::Count);
#define ORKCAVE_DATA_ENTRY(id, path, kind, pivot) {DataFile::id, path, DataKind::kind, pivot},
inline constexpr DataFileEntry dataFiles[DataFileCount] = {ORKCAVE_DATA_FILES(ORKCAVE_DATA_ENTRY)};
#undef ORKCAVE_DATA_ENTRY

// The point a listed picture turns about.
constexpr Pivot pivotOf(DataFile file) { return dataFiles[static_cast<int>(file)].pivot; }

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
