// The Littré as the builder reads it: two bytes giving the size of the
// StarDict word index (which holds 0x00 bytes of its own), the index, then
// the inflated article file; each entry's article converted to an Article.
#include <algorithm>
#include <string>
#include <vector>

#include "fuzz/Harnais.h"
#include "tools/donnees/ArticleLittre.h"
#include "tools/donnees/LecteurStarDict.h"
#include "tools/donnees/NomsLittre.h"
#include "tools/donnees/Translitteration.h"

namespace {
// Enough articles to reach every path of the conversion; the real file has 78,000.
constexpr std::size_t ArticlesConvertis = 32;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    if (taille < 2) return 0;
    const std::string_view reste = VueOctets(octets + 2, taille - 2);
    const std::size_t tailleIndex = std::min<std::size_t>(octets[0] * 256u + octets[1], reste.size());
    const std::string_view image = reste.substr(0, tailleIndex), articles = reste.substr(tailleIndex);
    std::vector<EntreeStarDict> index;
    AnalyserIndexStarDict(std::string(image), index);
    const std::vector<EntreeLittre> entrees = EntreesLittre(index);
    const std::string contenu(articles);
    std::string corps;
    for (std::size_t i = 0; i < entrees.size() && i < ArticlesConvertis; ++i) {
        const EntreeStarDict position{"", entrees[i].decalage, entrees[i].taille};
        if (!ExtraireArticleStarDict(contenu, position, corps)) continue;
        ConvertirArticleLittre(SourceVersCp1252(corps), entrees[i]);
    }
    return 0;
}
