#include "core/DataFiles.h"

#include <allegro.h>

#include <cstring>

namespace {
// The drawing turns every picture of a family about the first one's pivot.
constexpr bool familyTurnsAlike(DataFile first, DataFile last)
{
    for (int i = static_cast<int>(first); i <= static_cast<int>(last); ++i)
        if (dataFiles[i].pivot.x != pivotOf(first).x || dataFiles[i].pivot.y != pivotOf(first).y)
            return false;
    return true;
}
static_assert(familyTurnsAlike(DataFile::Ork0, DataFile::OrkDead));
static_assert(familyTurnsAlike(DataFile::Footprint0, DataFile::Blood));
static_assert(familyTurnsAlike(DataFile::Elf0, DataFile::ElfDead));
}

const char* dataPath(DataFile file)
{
    return dataFiles[static_cast<int>(file)].path;
}

DataFile nthDataFile(DataFile first, int n)
{
    return static_cast<DataFile>(static_cast<int>(first) + n);
}

BITMAP* loadPicture(DataFile file, RGB* palette)
{
    return load_bitmap(dataPath(file), palette);
}

const char* portablePath(const char* name, char* buffer, int bufferSize)
{
    std::strncpy(buffer, name, bufferSize - 1);
    buffer[bufferSize - 1] = '\0';
    for (char* c = buffer; *c; ++c)
        if (*c == '\\')
            *c = '/';
    return buffer;
}
