#include "tools/pngfile/OutputPath.h"

#include <unistd.h>

std::string outputPath(const std::string& given)
{
    char here[4096];
    if (given.empty() || given[0] == '/' || !getcwd(here, sizeof here))
        return given;
    return std::string(here) + "/" + given;
}
