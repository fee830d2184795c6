#include "core/DataFiles.h"

#include <allegro.h>

#include <cstring>

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
