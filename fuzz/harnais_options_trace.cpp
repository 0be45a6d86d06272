// The trace options file: every option kept has a name and a value. (A
// name may begin with '#': only a line whose first byte is '#' is a comment,
// and "\t#a=b" is the option "#a".)
#include <string>

#include "fuzz/Harnais.h"
#include "text/Trace.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    ChargeOptionsTraceDepuis(FichierBrouillon("ZephOptionsTrace.cfg", VueOctets(octets, taille)));
    for (const auto& [nom, valeur] : OptionsTrace()) {
        EXIGER(!nom.empty() && !valeur.empty());
    }
    return 0;
}
