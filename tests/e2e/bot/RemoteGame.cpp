// Member offsets come from offsetof over the game's classes. They are not
// standard-layout (unique_ptr members), but have no virtual bases, so GCC's
// offsetof is exact for them.
#define ALLEGRO_NO_MAGIC_MAIN
#include "RemoteGame.h"

#include <fcntl.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "core/Game.h"

namespace {
static_assert(sizeof(std::unique_ptr<Vector>) == sizeof(uint64_t), "a unique_ptr is read as one pointer");

std::string executableOf(pid_t pid)
{
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/exe", static_cast<int>(pid));
    char target[4096];
    ssize_t n = readlink(path, target, sizeof target - 1);
    if (n <= 0)
        return "";
    target[n] = '\0';
    return target;
}

// Where the program's own file is mapped from offset 0 (PIE load base).
uint64_t loadBase(pid_t pid, const std::string& exe)
{
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/maps", static_cast<int>(pid));
    FILE* maps = std::fopen(path, "r");
    if (!maps)
        return 0;
    char line[4608];
    uint64_t base = 0;
    while (!base && std::fgets(line, sizeof line, maps)) {
        unsigned long long start = 0, offset = 0;
        char file[4096] = "";
        if (std::sscanf(line, "%llx-%*x %*s %llx %*s %*s %4095s", &start, &offset, file) == 3 && offset == 0 &&
            exe == file)
            base = start;
    }
    std::fclose(maps);
    return base;
}

// The symbol's address in the file, from nm (the build tree keeps symbols).
uint64_t symbolAddress(const std::string& exe, const char* name)
{
    std::string command = "nm --defined-only '" + exe + "' 2>/dev/null";
    FILE* nm = popen(command.c_str(), "r");
    if (!nm)
        return 0;
    char line[512];
    uint64_t address = 0;
    while (std::fgets(line, sizeof line, nm)) {
        unsigned long long value = 0;
        char kind = 0;
        char symbol[400] = "";
        if (std::sscanf(line, "%llx %c %399s", &value, &kind, symbol) == 3 && std::strcmp(symbol, name) == 0)
            address = value;
    }
    pclose(nm);
    return address;
}
}

bool RemoteGame::attach(pid_t gamePid)
{
    pid = gamePid;
    std::string exe = executableOf(pid);
    if (exe.empty()) {
        error = "no such process";
        return false;
    }
    uint64_t symbol = symbolAddress(exe, "theGame");
    if (!symbol) {
        error = "no symbol theGame in " + exe;
        return false;
    }
    uint64_t base = loadBase(pid, exe);
    if (!base) {
        error = "no mapping of " + exe;
        return false;
    }
    theGameAddress = base + symbol;
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/mem", static_cast<int>(pid));
    memFile = open(path, O_RDONLY);
    uint64_t probe = 0;
    if (!readBytes(theGameAddress, &probe, sizeof probe)) {
        error = "cannot read the game's memory";
        return false;
    }
    return true;
}

bool RemoteGame::readBytes(uint64_t address, void* out, size_t size)
{
    iovec local{out, size};
    iovec remote{reinterpret_cast<void*>(address), size};
    if (process_vm_readv(pid, &local, 1, &remote, 1, 0) == static_cast<ssize_t>(size))
        return true;
    // Some sandboxes refuse process_vm_readv but allow /proc/<pid>/mem.
    if (memFile >= 0 && pread(memFile, out, size, static_cast<off_t>(address)) == static_cast<ssize_t>(size))
        return true;
    std::memset(out, 0, size);
    failed = true;
    return false;
}

uint64_t RemoteGame::pointerAt(uint64_t address)
{
    return valueAt<uint64_t>(address);
}

Point RemoteGame::vectorAt(uint64_t vectorPointerAddress)
{
    uint64_t vector = pointerAt(vectorPointerAddress);
    if (!vector)
        return {};
    return {valueAt<double>(vector + offsetof(Vector, x)), valueAt<double>(vector + offsetof(Vector, y))};
}

bool RemoteGame::read(Snapshot& out)
{
    failed = false;
    uint64_t game = pointerAt(theGameAddress);
    if (failed)
        return false;
    out.gameExists = game != 0;
    if (!game)
        return true;
    uint64_t screens = pointerAt(game + offsetof(Game, screens));
    out.screenState = valueAt<int32_t>(screens + offsetof(Screens, state));
    out.deaths = valueAt<int32_t>(game + offsetof(Game, deaths));
    out.bag = vectorAt(game + offsetof(Game, bagPosition));
    readElf(game, out);
    readMap(game, out);
    readOrks(game, out);
    readRings(game, out);
    return !failed;
}

bool RemoteGame::readElf(uint64_t game, Snapshot& out)
{
    uint64_t elf = pointerAt(game + offsetof(Game, elf));
    out.elf = vectorAt(elf + offsetof(Elf, position));
    out.facing = valueAt<double>(elf + offsetof(Elf, facing));
    out.dead = valueAt<bool>(elf + offsetof(Elf, dead));
    out.carryingBag = valueAt<bool>(elf + offsetof(Elf, carryingBag));
    out.throwCooldown = valueAt<int>(elf + offsetof(Elf, throwCooldown));
    uint64_t daggers = pointerAt(elf + offsetof(Elf, daggers));
    out.daggersInHand = valueAt<int>(daggers + offsetof(DaggerSet, inHandCount));
    int states[Daggers];
    readBytes(daggers + offsetof(DaggerSet, state), states, sizeof states);
    for (int k = 0; k < Daggers; ++k) {
        out.daggers[k].state = states[k];
        out.daggers[k].pos = vectorAt(daggers + offsetof(DaggerSet, position) + k * sizeof(uint64_t));
    }
    return !failed;
}

bool RemoteGame::readMap(uint64_t game, Snapshot& out)
{
    static_assert(TileMap::GridSize == GridTiles && TileMap::TileSize == TilePixels, "grid as the game has it");
    uint64_t map = pointerAt(game + offsetof(Game, tileMap));
    out.width = valueAt<int32_t>(map + offsetof(TileMap, width));
    out.height = valueAt<int32_t>(map + offsetof(TileMap, height));
    static std::vector<Tile> tiles(GridTiles * GridTiles);
    readBytes(map + offsetof(TileMap, tiles), tiles.data(), tiles.size() * sizeof(Tile));
    for (int column = 0; column < GridTiles; ++column)
        for (int row = 0; row < GridTiles; ++row) {
            const Tile& tile = tiles[column * GridTiles + row];
            out.tiles[column][row] = {tile.kind, tile.visibility, tile.debris};
        }
    return !failed;
}

bool RemoteGame::readOrks(uint64_t game, Snapshot& out)
{
    static_assert(OrkHorde::SlotCount == MaxOrks, "slots as the game has them");
    uint64_t horde = pointerAt(game + offsetof(Game, orks));
    out.orkCount = valueAt<int>(horde + offsetof(OrkHorde, count));
    out.aliveCount = valueAt<int>(horde + offsetof(OrkHorde, aliveCount));
    if (out.orkCount < 0 || out.orkCount > MaxOrks)
        out.orkCount = 0;
    int health[MaxOrks], charge[MaxOrks], attack[MaxOrks];
    readBytes(horde + offsetof(OrkHorde, health), health, sizeof health);
    readBytes(horde + offsetof(OrkHorde, chargeTimer), charge, sizeof charge);
    readBytes(horde + offsetof(OrkHorde, attackTimer), attack, sizeof attack);
    for (int i = 0; i < out.orkCount; ++i) {
        OrkView& ork = out.orks[i];
        ork.pos = vectorAt(horde + offsetof(OrkHorde, pos) + i * sizeof(uint64_t));
        ork.target = vectorAt(horde + offsetof(OrkHorde, target) + i * sizeof(uint64_t));
        ork.health = health[i];
        ork.chargeTimer = charge[i];
        ork.attackTimer = attack[i];
    }
    return !failed;
}

bool RemoteGame::readRings(uint64_t game, Snapshot& out)
{
    static_assert(SoundBoard::RingCount == Rings, "rings as the game has them");
    uint64_t board = pointerAt(game + offsetof(Game, sound));
    int level[Rings];
    double radius[Rings], range[Rings];
    readBytes(board + offsetof(SoundBoard, ringLevel), level, sizeof level);
    readBytes(board + offsetof(SoundBoard, ringRadius), radius, sizeof radius);
    readBytes(board + offsetof(SoundBoard, ringRange), range, sizeof range);
    for (int k = 0; k < Rings; ++k) {
        out.rings[k].level = level[k];
        out.rings[k].radius = radius[k];
        out.rings[k].range = range[k];
        out.rings[k].center = vectorAt(board + offsetof(SoundBoard, ringCenter) + k * sizeof(uint64_t));
    }
    return !failed;
}
