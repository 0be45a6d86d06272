// The register of communes: the communes JSON, a 0x00, then the
// départements JSON; each also read alone as a JSON document.
#include <string>
#include <vector>

#include "fuzz/Harnais.h"
#include "tools/donnees/Communes.h"
#include "tools/donnees/Json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    const auto [communes, departements] = CouperAuZero(VueOctets(octets, taille));
    ValeurJson valeur;
    AnalyserJson(communes, valeur);
    AnalyserJson(departements, valeur);
    std::vector<Article> articles;
    if (!ArticlesCommunes(communes, departements, articles)) EXIGER(articles.empty());
    for (const Article& article : articles) EXIGER(!article.mot.empty());
    return 0;
}
