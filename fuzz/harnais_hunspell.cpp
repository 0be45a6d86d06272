// A hunspell dictionary: the .aff text, a 0x00, then the .dic text; every
// entry developed with its prefixes and suffixes.
#include <string>
#include <vector>

#include "fuzz/Harnais.h"
#include "tools/donnees/Hunspell.h"

namespace {
// Enough entries to reach every kind of rule; a real dictionary has 80,000.
constexpr std::size_t EntreesDeveloppees = 64;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    const auto [aff, dic] = CouperAuZero(VueOctets(octets, taille));
    DictionnaireHunspell dictionnaire;
    if (!dictionnaire.LireAffixes(aff)) return 0;
    dictionnaire.LireEntrees(dic);
    const std::vector<EntreeHunspell>& entrees = dictionnaire.Entrees();
    for (std::size_t i = 0; i < entrees.size() && i < EntreesDeveloppees; ++i) {
        for (const FormeHunspell& forme : dictionnaire.Developper(entrees[i], true)) {
            EnUtf8(forme.forme);
            ChampsMorphologiques(forme.morphologie, "po");
        }
    }
    return 0;
}
