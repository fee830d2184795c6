#include "Outputs.h"

std::string dataFileIn(const std::string& game, DataFile file)
{
    char path[64];
    return game + "/" + portablePath(dataPath(file), path, sizeof path);
}

std::string iconFile(const std::string& icons, int size)
{
    return icons + "/orkcave-" + std::to_string(size) + ".png";
}

std::string windowIconFile(const std::string& icons)
{
    return icons + "/orkcave-icon.xpm";
}

std::string iconCardinalsFile(const std::string& icons)
{
    return icons + "/orkcave-icon-cardinals.h";
}

std::vector<std::string> generatedFiles(const std::string& game, const std::string& icons)
{
    std::vector<std::string> files;
    for (const DataFileEntry& file : dataFiles)
        files.push_back(dataFileIn(game, file.id));
    for (int size : IconSizes)
        files.push_back(iconFile(icons, size));
    files.push_back(windowIconFile(icons));
    files.push_back(iconCardinalsFile(icons));
    return files;
}
