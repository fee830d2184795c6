#include "core/DataCheck.h"

#include <allegro.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "core/DataFiles.h"
#include "core/DataPath.h"
#include "core/OwnedBitmap.h"
#include "world/LevelSizes.h"
#include "world/SegmentCheck.h"
#include "world/SegmentFile.h"
#include "world/TileMap.h"

namespace {
// No data file of ours comes near this; a larger one is damaged.
constexpr long MaxDataFileBytes = 64L * 1024 * 1024;

// Windows bitmap layout: a 14-byte file header, then an info header of 40
// bytes (or a later, longer version of it), an optional palette, and rows
// padded to four bytes, bottom row first.
constexpr size_t FileHeaderBytes = 14;
constexpr uint32_t InfoHeaderBytes = 40;
constexpr uint32_t InfoHeaderV4Bytes = 108;
constexpr uint32_t InfoHeaderV5Bytes = 124;
constexpr int32_t MaxPictureSide = 4096;  // our largest picture is a few hundred pixels
constexpr uint32_t Uncompressed = 0;
constexpr uint32_t BitFields = 3;
constexpr uint32_t PaletteEntryBytes = 4;
constexpr uint32_t MaxPaletteEntries = 256;

// WAV layout: "RIFF", a length, "WAVE", then chunks of a 4-byte id and a
// 4-byte length; "fmt " must come before "data".
constexpr size_t RiffHeaderBytes = 12;
constexpr size_t ChunkHeaderBytes = 8;
constexpr uint32_t FormatChunkBytes = 16;
constexpr uint16_t PcmFormat = 1;
constexpr uint32_t MaxSampleRate = 192000;

uint16_t read16(const std::string& bytes, size_t at)
{
    return static_cast<uint16_t>(static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8);
}

uint32_t read32(const std::string& bytes, size_t at)
{
    return static_cast<uint32_t>(read16(bytes, at)) | static_cast<uint32_t>(read16(bytes, at + 2)) << 16;
}

bool startsWith(const std::string& bytes, size_t at, const char* tag)
{
    return bytes.compare(at, 4, tag) == 0;
}

bool isSupportedDepth(uint16_t bitsPerPixel)
{
    return bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8 || bitsPerPixel == 16 || bitsPerPixel == 24
        || bitsPerPixel == 32;
}

// Allegro's loader makes a sample for every data chunk it meets and keeps
// only the last, leaking the others. It reads on from at least the whole
// frames of the first block, so any later "data" there is refused.
bool mentionsDataAfter(const std::string& bytes, size_t from)
{
    return bytes.find("data", from) != std::string::npos;
}

const char* findFormatFault(const std::string& bytes, size_t at, uint32_t size)
{
    if (size < FormatChunkBytes)
        return "sound format chunk too short";
    const uint16_t format = read16(bytes, at);
    const uint16_t channels = read16(bytes, at + 2);
    const uint32_t rate = read32(bytes, at + 4);
    const uint16_t bits = read16(bytes, at + 14);
    if (format != PcmFormat)
        return "not uncompressed PCM sound";
    if (channels != 1 && channels != 2)
        return "not mono or stereo";
    if (rate == 0 || rate > MaxSampleRate)
        return "impossible sample rate";
    if (bits != 8 && bits != 16)
        return "not 8 or 16 bits per sample";
    return nullptr;
}

// 0 when the whole file was read, otherwise the error that stopped it.
int readWholeFile(const char* path, std::string& bytes)
{
    std::FILE* file = std::fopen(path, "rb");
    if (!file)
        return errno;
    bytes.clear();
    char chunk[4096];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        bytes.append(chunk, got);
        if (static_cast<long>(bytes.size()) > MaxDataFileBytes)
            break;
    }
    const int error = std::ferror(file) ? errno : 0;
    std::fclose(file);
    return static_cast<long>(bytes.size()) > MaxDataFileBytes ? EFBIG : error;
}

// Reads the file and runs the format check on it before the library sees it.
std::string checkFileBytes(const char* path, const char* (*findFault)(const std::string&))
{
    std::string bytes;
    if (const int error = readWholeFile(path, bytes))
        return readFailure(path, error);
    const char* fault = findFault(bytes);
    return fault ? unusableDataFile(path, fault) : std::string();
}

std::string findPictureProblem(const char* path)
{
    std::string problem = checkFileBytes(path, findBitmapFault);
    if (!problem.empty())
        return problem;
    PALETTE palette;
    const OwnedBitmap picture(load_bitmap(path, palette));
    if (!picture)
        return unusableDataFile(path, "the picture loader refused it");
    return std::string();
}

std::string findSampleProblem(const char* path)
{
    std::string problem = checkFileBytes(path, findWaveFault);
    if (!problem.empty())
        return problem;
    SAMPLE* sample = load_wav(path);
    if (!sample)
        return unusableDataFile(path, "the sample loader refused it");
    destroy_sample(sample);
    return std::string();
}

// Every picture first, then every sample, each in the list's order.
std::string findListedFileProblem(DataKind kind)
{
    for (const DataFileEntry& file : dataFiles) {
        if (file.kind != kind)
            continue;
        char path[64];
        portablePath(file.path, path, sizeof path);
        std::string problem = kind == DataKind::Picture ? findPictureProblem(path) : findSampleProblem(path);
        if (!problem.empty())
            return problem;
    }
    return std::string();
}

// Segment files can be well formed and still never open a way from the
// entrance into the cave; a trial build of the smallest level finds that.
std::string findUnbuildableSegments()
{
    TileMap trial;
    const LevelSize& small = LevelSizes[0];
    bool built = trial.build(small.width, small.height, small.segmentCount);
    // rand() was never seeded, which is the same as seed 1: restore that so the
    // first level is still the same on every run.
    std::srand(1);
    if (!built)
        return "Bad segment files: " + absoluteDataPath(segment::fileName(0)) + " to "
            + segment::leafName(segment::FileCount - 1) + " never open a way into the cave";
    return std::string();
}
}

const char* findBitmapFault(const std::string& bytes)
{
    if (bytes.size() < FileHeaderBytes + InfoHeaderBytes)
        return "too short for a picture";
    if (bytes.compare(0, 2, "BM") != 0)
        return "not a Windows bitmap";
    const uint32_t pixelOffset = read32(bytes, 10);
    const uint32_t headerSize = read32(bytes, FileHeaderBytes);
    const int32_t width = static_cast<int32_t>(read32(bytes, 18));
    const int32_t height = static_cast<int32_t>(read32(bytes, 22));
    const uint16_t planes = read16(bytes, 26);
    const uint16_t bitsPerPixel = read16(bytes, 28);
    const uint32_t compression = read32(bytes, 30);
    const uint32_t coloursUsed = read32(bytes, 46);

    if (headerSize != InfoHeaderBytes && headerSize != InfoHeaderV4Bytes && headerSize != InfoHeaderV5Bytes)
        return "unsupported bitmap header";
    if (width < 1 || width > MaxPictureSide || height < 1 || height > MaxPictureSide)
        return "impossible picture size";
    if (planes != 1 || !isSupportedDepth(bitsPerPixel))
        return "unsupported colour depth";
    const bool fieldsAllowed = bitsPerPixel == 16 || bitsPerPixel == 32;
    if (compression != Uncompressed && !(compression == BitFields && fieldsAllowed))
        return "compressed pictures are not supported";
    const uint64_t headersEnd = FileHeaderBytes + static_cast<uint64_t>(headerSize);
    if (pixelOffset < headersEnd || pixelOffset > bytes.size())
        return "pixel data outside the file";
    if (bitsPerPixel <= 8) {
        const uint64_t paletteEntries = (pixelOffset - headersEnd) / PaletteEntryBytes;
        if (paletteEntries > MaxPaletteEntries || coloursUsed > (1u << bitsPerPixel))
            return "impossible palette";
    }
    const uint64_t rowBytes = (static_cast<uint64_t>(width) * bitsPerPixel + 31) / 32 * 4;
    if (pixelOffset + rowBytes * static_cast<uint64_t>(height) > bytes.size())
        return "truncated pixel data";
    return nullptr;
}

const char* findWaveFault(const std::string& bytes)
{
    if (bytes.size() < RiffHeaderBytes || !startsWith(bytes, 0, "RIFF") || !startsWith(bytes, 8, "WAVE"))
        return "not a RIFF WAVE file";
    bool formatSeen = false;
    size_t at = RiffHeaderBytes;
    while (at + ChunkHeaderBytes <= bytes.size()) {
        const uint32_t size = read32(bytes, at + 4);
        const size_t body = at + ChunkHeaderBytes;
        if (size > bytes.size() - body)
            return startsWith(bytes, at, "data") ? "truncated sound data" : "chunk runs past the end";
        if (startsWith(bytes, at, "fmt ")) {
            if (const char* fault = findFormatFault(bytes, body, size))
                return fault;
            formatSeen = true;
        } else if (startsWith(bytes, at, "data")) {
            if (!formatSeen)
                return "sound data before its format";
            if (size == 0)
                return "no sound data";
            return mentionsDataAfter(bytes, body + (size & ~3u)) ? "a second block of sound data" : nullptr;
        }
        // Allegro's loader skips no pad bytes, so after an odd chunk it would
        // read the rest of the file out of step with this walk.
        if (size & 1)
            return "odd-sized chunk before the sound data";
        at = body + size;
    }
    return formatSeen ? "no sound data" : "no sound format";
}

std::string findDataProblem()
{
    std::string problem = findListedFileProblem(DataKind::Picture);
    if (problem.empty())
        problem = findListedFileProblem(DataKind::Sample);
    if (problem.empty())
        problem = findSegmentProblem();
    if (problem.empty())
        problem = findUnbuildableSegments();
    return problem;
}
