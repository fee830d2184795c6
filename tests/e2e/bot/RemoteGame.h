#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "Snapshot.h"

// Reads the state of a running game from its memory. The game has one
// global `Game* theGame`; its address comes from the program's symbol table
// plus the load address, and member offsets from the game's own headers.
class RemoteGame {
public:
    // Finds theGame in the process; false, with a reason in `error`, if not.
    bool attach(pid_t pid);
    // Reads one snapshot; false when the process is gone or unreadable.
    bool read(Snapshot& out);

    std::string error;

private:
    pid_t pid = 0;
    uint64_t theGameAddress = 0;
    int memFile = -1;

    bool readBytes(uint64_t address, void* out, size_t size);
    uint64_t pointerAt(uint64_t address);
    template <typename T>
    T valueAt(uint64_t address)
    {
        T value{};
        readBytes(address, &value, sizeof value);
        return value;
    }
    Point vectorAt(uint64_t vectorPointerAddress);

    bool readElf(uint64_t game, Snapshot& out);
    bool readMap(uint64_t game, Snapshot& out);
    bool readOrks(uint64_t game, Snapshot& out);
    bool readRings(uint64_t game, Snapshot& out);
    bool failed = false;
};
