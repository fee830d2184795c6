// The sample check on arbitrary bytes. Whatever it accepts is handed to
// Allegro's own loader, which must take it without a sanitizer report.
#include <allegro.h>

#include "FuzzMaps.h"
#include "core/DataCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (findWaveFault(std::string(reinterpret_cast<const char*>(data), size)))
        return 0;
    fuzzing::writeFile("accepted.wav", data, size);
    if (SAMPLE* sample = load_wav("accepted.wav"))
        destroy_sample(sample);
    return 0;
}
