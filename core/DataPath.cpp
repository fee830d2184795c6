#include "core/DataPath.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

std::string absoluteDataPath(const std::string& path)
{
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved))
        return resolved;
    char target[PATH_MAX];
    const ssize_t length = readlink(path.c_str(), target, sizeof target);
    if (length > 0 && length < PATH_MAX && target[0] == '/')
        return absoluteDataPath(std::string(target, static_cast<size_t>(length)));
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    if (realpath(folder.c_str(), resolved))
        return std::string(resolved) + "/" + path.substr(slash + 1);
    return path;
}

std::string readFailure(const std::string& path, int error)
{
    if (error == ENOENT || error == ENOTDIR)
        return "Missing data file: " + absoluteDataPath(path);
    return unusableDataFile(path, std::strerror(error));
}

std::string unusableDataFile(const std::string& path, const std::string& why)
{
    return "Unreadable data file: " + absoluteDataPath(path) + " (" + why + ")";
}
