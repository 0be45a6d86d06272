#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tools/script/tests/SessionScript.h"

// The "approchés" button on the real dictionary, through the headless main
// window: words typed without their ligature, misspelt common words, and
// communes kept behind the common words. Script input and output are UTF-8.
namespace {

// The list of each "montrer", in order, split at its separators.
std::vector<std::vector<std::string>> Listes(const std::string& sortie) {
    std::vector<std::vector<std::string>> listes;
    std::size_t debut = 0;
    while (debut < sortie.size()) {
        std::size_t fin = sortie.find('\n', debut);
        if (fin == std::string::npos) fin = sortie.size();
        const std::string ligne = sortie.substr(debut, fin - debut);
        debut = fin + 1;
        if (ligne.rfind("liste=", 0) != 0) continue;
        std::vector<std::string> liste;
        std::size_t d = 6;
        while (d <= ligne.size()) {
            std::size_t f = ligne.find('|', d);
            if (f == std::string::npos) f = ligne.size();
            liste.push_back(ligne.substr(d, f - d));
            d = f + 1;
        }
        listes.push_back(liste);
    }
    return listes;
}

bool CommenceParUneCapitale(const std::string& utf8) {
    if (utf8.empty()) return false;
    const unsigned char c = static_cast<unsigned char>(utf8[0]);
    if (c >= 'A' && c <= 'Z') return true;
    // É, À, Ô...: C3 80 to C3 9E in UTF-8
    return c == 0xC3 && utf8.size() > 1 && static_cast<unsigned char>(utf8[1]) < 0x9F;
}

TEST(ScriptApprochesReelles, LeMotVouluVientEnPremierEtLesCommunesApresLesMotsCourants) {
    struct Cas {
        const char* tape;
        const char* premier;
    };
    const Cas cas[] = {
        {"oeuf", "œuf"},     {"boeuf", "bœuf"},     {"noeud", "nœud"},   {"noel", "noël"},
        {"fourchete", "fourchette"}, {"coeur", "cœur"}, {"soeur", "sœur"}, {"oeuvre", "œuvre"},
        {"foetus", "fœtus"}, {"oeil", "œil"},       {"genou", "genou"}, {"cerise", "cerise"},
    };
    std::string commandes;
    for (const Cas& c : cas) commandes += std::string("saisir ") + c.tape + "\ncliquer 1031\nmontrer\n";
    const std::vector<std::vector<std::string>> listes = Listes(SortieSessionScript(commandes));
    ASSERT_EQ(listes.size(), std::size(cas));
    for (std::size_t i = 0; i < std::size(cas); ++i) {
        const std::vector<std::string>& liste = listes[i];
        ASSERT_FALSE(liste.empty()) << cas[i].tape;
        EXPECT_EQ(liste.front(), cas[i].premier) << cas[i].tape << " : " << liste.front();
        // Typed in lower case: no commune or proper name before the first common word.
        const auto premierCommun = std::find_if(liste.begin(), liste.end(),
                                                [](const std::string& m) { return !CommenceParUneCapitale(m); });
        EXPECT_EQ(premierCommun, liste.begin()) << cas[i].tape << " : " << liste.front();
    }
}

}  // namespace
