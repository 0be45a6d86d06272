// The MyThes thesaurus text, then every step the builder takes on it.
#include <string>
#include <vector>

#include "fuzz/Harnais.h"
#include "tools/donnees/Thesaurus.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    std::vector<EntreeThesaurus> entrees;
    if (!LireThesaurus(VueOctets(octets, taille), entrees)) return 0;
    SynonymesInverses(entrees);
    CorrigerGroupesDouteux(entrees);
    for (const EntreeThesaurus& entree : entrees) TexteSynonymes(entree.groupes);
    return 0;
}
