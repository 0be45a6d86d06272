// The inflected-form index's payload, then a lookup of the forms it holds.
#include <string>

#include "data/IndexFlexions.h"
#include "fuzz/Harnais.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    OublierIndexFlexions();
    if (ChargerIndexFlexionsDepuis(octets, taille)) {
        for (const char* forme : {"maisons", "", "a"}) Lemmes(forme);
    }
    OublierIndexFlexions();
    return 0;
}
