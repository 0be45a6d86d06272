// The key index payload: parsed, written back and parsed again to the same
// content, and loaded into an index that must find every key it holds.
#include <map>
#include <string>
#include <vector>

#include "fuzz/Harnais.h"
#include "index/ChargeIndex.h"
#include "index/Indexeur.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    ContenuIndex contenu;
    if (!AnalyserChargeIndex(octets, taille, contenu)) return 0;
    EXIGER(contenu.cles.size() == contenu.listes.size());

    std::map<std::string, std::vector<std::string>> index;
    for (std::size_t i = 0; i < contenu.cles.size(); ++i) {
        EXIGER(!contenu.cles[i].empty());
        index.emplace(contenu.cles[i], contenu.listes[i]);
    }
    Indexeur indexeur;
    EXIGER(indexeur.ChargeCharge(octets, taille));
    for (const auto& [cle, mots] : index) EXIGER(indexeur.Contient(cle));
    indexeur.GetValeurs("");

    // A repeated key has no single list to write back.
    if (index.size() != contenu.cles.size()) return 0;
    const std::vector<unsigned char> reecrit = EcrireChargeIndex(index);
    ContenuIndex relu;
    EXIGER(AnalyserChargeIndex(reecrit.data(), reecrit.size(), relu));
    std::map<std::string, std::vector<std::string>> indexRelu;
    for (std::size_t i = 0; i < relu.cles.size(); ++i) indexRelu.emplace(relu.cles[i], relu.listes[i]);
    EXIGER(indexRelu == index);
    return 0;
}
