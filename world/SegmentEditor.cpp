// The segment editor: paint terrain, scroll, save, read back, stamp.
#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/DataPath.h"
#include "core/Game.h"
#include "core/InputLatch.h"
#include "core/MouseInput.h"
#include "world/SegmentFile.h"

namespace {
constexpr double ScrollStep = 36.0;
constexpr int NoticeTicks = 43;       // about three seconds
constexpr int KeysNoticeTicks = 143;  // about ten
const char* const KeysNotice = "O saves the framed block, R reads it back, L stamps segment 0";
const char* const SavedNotice = "Saved ";
const char* const SaveFailedNotice = "Could not write ";
const char* const ReadNotice = "Read ";
const char* const ReadFailedNotice = "Could not read ";
constexpr int SegmentPixels = segment::Side * TileMap::TileSize;
// The view may scroll a screen beyond the grid but no farther, so screen
// coordinates of everything drawn stay small.
constexpr double GridPixels = TileMap::GridSize * TileMap::TileSize;

double clampScroll(double value, double screenSize)
{
    return value < -screenSize ? -screenSize : (value > GridPixels ? GridPixels : value);
}

// Writes the top-left 10 x 10 kinds, one row per line; false if the file
// cannot be written, with errno telling why.
bool saveSegment(TileMap& map)
{
    std::FILE* file = std::fopen(segment::editorFileName().c_str(), "w");
    if (!file)
        return false;
    bool written = true;
    for (int row = 0; row < segment::Side; ++row) {
        const int c[segment::Side] = {map.tiles[0][row].kind, map.tiles[1][row].kind, map.tiles[2][row].kind,
                                    map.tiles[3][row].kind, map.tiles[4][row].kind, map.tiles[5][row].kind,
                                    map.tiles[6][row].kind, map.tiles[7][row].kind, map.tiles[8][row].kind,
                                    map.tiles[9][row].kind};
        written = std::fprintf(file, "%d %d %d %d %d %d %d %d %d %d\n", c[0], c[1], c[2], c[3], c[4], c[5], c[6],
                               c[7], c[8], c[9]) > 0 && written;
    }
    return std::fclose(file) == 0 && written;
}

// Puts the saved kinds back into the block exactly as they are, with no
// zero cell skipped and no painting rule applied; a code that is no kind
// leaves its tile alone. Nothing changes unless all 100 codes are there.
segment::CodesRead readBackSegment(TileMap& map)
{
    int32_t codes[segment::CodeCount];
    const segment::CodesRead read = segment::readCodes(segment::editorFileName(), codes);
    if (read.count < segment::CodeCount)
        return read;
    for (int cell = 0; cell < segment::CodeCount; ++cell)
        if (codes[cell] == Floor || codes[cell] == Water || codes[cell] == Rock)
            map.tiles[cell % segment::Side][cell / segment::Side].kind = codes[cell];
    return read;
}

// Notices name the file by its full path, since the editor may run in a
// folder the player never sees; a failure also says why, on screen and
// once on standard error.
const char* notice(const char* what, const std::string& why = std::string())
{
    static std::string shown;
    const std::string text = what + absoluteDataPath(segment::editorFileName()) + (why.empty() ? "" : ": " + why);
    if (!why.empty() && text != shown)
        std::fprintf(stderr, "orkcave-editor: %s\n", text.c_str());
    shown = text;
    return shown.c_str();
}

const char* saveNotice(TileMap& map)
{
    errno = 0;
    if (saveSegment(map))
        return notice(SavedNotice);
    return notice(SaveFailedNotice, errno ? std::strerror(errno) : "the disk refused the data");
}

const char* readBackNotice(TileMap& map)
{
    const segment::CodesRead read = readBackSegment(map);
    if (read.count == segment::CodeCount)
        return notice(ReadNotice);
    if (read.error != 0)
        return notice(ReadFailedNotice, std::strerror(read.error));
    return notice(ReadFailedNotice, "holds only " + std::to_string(read.count) + " of "
                                        + std::to_string(segment::CodeCount) + " tile codes");
}
}

void Game::startEditor()
{
    editorMode = true;
    tileMap->showsGridEdge = true;
    view->origin->x = -(SCREEN_W - SegmentPixels) / 2;
    view->origin->y = -Screens::StripHeight;
    editorNotice = KeysNotice;
    editorNoticeTicks = KeysNoticeTicks;
}

void Game::editSegments()
{
    input::latchTick();
    aimPoint->x = mouse_x - AimOffset;
    aimPoint->y = mouse_y - AimOffset;
    Vector aimed;
    aimed.copyFrom(view->toWorld(*aimPoint));

    if (input::buttonHeld(LeftButton))
        tileMap->paste(aimed, Water);
    if (input::buttonHeld(RightButton))
        tileMap->paste(aimed, Rock);
    if (input::held(KEY_SPACE))
        tileMap->paste(aimed, Floor);

    if (input::held(KEY_A))
        view->origin->x -= ScrollStep;
    if (input::held(KEY_D))
        view->origin->x += ScrollStep;
    if (input::held(KEY_W))
        view->origin->y -= ScrollStep;
    if (input::held(KEY_S))
        view->origin->y += ScrollStep;
    view->origin->x = clampScroll(view->origin->x, SCREEN_W);
    view->origin->y = clampScroll(view->origin->y, SCREEN_H);

    if (input::held(KEY_O)) {
        editorNotice = saveNotice(*tileMap);
        editorNoticeTicks = NoticeTicks;
    }
    if (input::held(KEY_R)) {
        editorNotice = readBackNotice(*tileMap);
        editorNoticeTicks = NoticeTicks;
    }
    if (input::held(KEY_L))
        tileMap->loadSegment(5, 5, 0);
}
