// A StarDict article file (dictzip, read as gzip) through the reader that
// inflates it whole.
#include <string>

#include "fuzz/Harnais.h"
#include "tools/donnees/LecteurStarDict.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    std::string contenu;
    LireArticlesStarDict(FichierBrouillon("articles.dict.dz", VueOctets(octets, taille)), contenu);
    return 0;
}
