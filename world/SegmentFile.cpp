#include "world/SegmentFile.h"

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdlib>

namespace segment {

namespace {
const char* const Folder = "maps//";
const char* const Stem = "seg";
const char* const Extension = ".txt";

void skipSpace(std::FILE* file)
{
    int c = std::fgetc(file);
    while (c != EOF && std::isspace(c))
        c = std::fgetc(file);
    if (c != EOF)
        std::ungetc(c, file);
}

// The text of one decimal number, sign and all: what fscanf's %lld would
// consume, without its undefined behaviour on numbers out of range.
std::string readNumberText(std::FILE* file)
{
    std::string text;
    int c = std::fgetc(file);
    if (c == '+' || c == '-') {
        text += static_cast<char>(c);
        c = std::fgetc(file);
    }
    while (c != EOF && std::isdigit(c)) {
        text += static_cast<char>(c);
        c = std::fgetc(file);
    }
    if (c != EOF)
        std::ungetc(c, file);
    return text;
}
}

std::string fileName(int32_t number)
{
    return Folder + leafName(number);
}

std::string leafName(int32_t number)
{
    return Stem + std::to_string(number) + Extension;
}

std::string editorFileName()
{
    return std::string(Folder) + Stem + Extension;
}

bool readCode(std::FILE* file, int32_t& code)
{
    skipSpace(file);
    const std::string text = readNumberText(file);
    if (text.empty() || !std::isdigit(static_cast<unsigned char>(text.back())))
        return false;
    skipSpace(file);
    // A number too large for any code stamps nothing, as any unknown code.
    errno = 0;
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    const bool outOfRange = errno == ERANGE || value < INT32_MIN || value > INT32_MAX;
    code = outOfRange ? UnknownCode : static_cast<int32_t>(value);
    return true;
}

CodesRead readCodes(const std::string& name, int32_t (&codes)[CodeCount])
{
    CodesRead read;
    errno = 0;
    std::FILE* file = std::fopen(name.c_str(), "r");
    if (!file) {
        read.error = errno;
        return read;
    }
    while (read.count < CodeCount && readCode(file, codes[read.count]))
        ++read.count;
    // A folder opens, then refuses to be read.
    if (read.count < CodeCount && std::ferror(file))
        read.error = errno;
    std::fclose(file);
    return read;
}

}
