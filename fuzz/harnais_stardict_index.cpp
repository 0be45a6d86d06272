// A StarDict word index, then the article of each record taken from an
// article file made of the index's own bytes: offsets and sizes come from
// outside and must be checked against the file.
#include <string>
#include <vector>

#include "fuzz/Harnais.h"
#include "tools/donnees/LecteurStarDict.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    const std::string image(VueOctets(octets, taille));
    std::vector<EntreeStarDict> entrees;
    AnalyserIndexStarDict(image, entrees);
    for (const EntreeStarDict& entree : entrees) {
        std::string article;
        if (ExtraireArticleStarDict(image, entree, article)) EXIGER(article.size() == entree.taille);
    }
    return 0;
}
