// The picture check on arbitrary bytes. Whatever it accepts is handed to
// Allegro's own loader, which must take it without a sanitizer report: that
// is the promise the check exists to keep.
#include <allegro.h>

#include "FuzzMaps.h"
#include "core/DataCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (findBitmapFault(std::string(reinterpret_cast<const char*>(data), size)))
        return 0;
    fuzzing::writeFile("accepted.bmp", data, size);
    if (BITMAP* picture = load_bitmap("accepted.bmp", nullptr))
        destroy_bitmap(picture);
    return 0;
}
