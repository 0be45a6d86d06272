// The phonetic rules text, then each of its lines transcribed as a word
// under the rules it gave: a rule set the reader accepted must transcribe
// anything without reading past the word.
#include <memory>
#include <string>
#include <vector>

#include "approx/ReglesPhonetiques.h"
#include "fuzz/Harnais.h"
#include "text/FichiersTexte.h"

namespace {
// Each transcription tries every rule at every byte: a few lines are enough
// words, and keep a run of the whole rules file fast.
constexpr std::size_t MotsTranscrits = 16;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    const std::string texte(VueOctets(octets, taille));
    auto regles = std::make_unique<ReglesPhonetiques>();
    std::vector<std::string> rejetees;
    AjouterRegles(*regles, texte, &rejetees);
    EXIGER(regles->count >= 0 && regles->count <= ReglesPhonetiques::CAPACITE);
    EXIGER(regles->records.size() == static_cast<std::size_t>(regles->count));

    std::vector<std::string> lignes;
    DecouperLignes(texte, lignes);
    if (lignes.size() > MotsTranscrits) lignes.resize(MotsTranscrits);
    for (const std::string& mot : lignes) {
        std::size_t lus = 0;
        TranscrireAvec(*regles, mot, &lus);
        EXIGER(lus <= mot.size());
        for (int p = 0; p <= static_cast<int>(mot.size()) && p < 4; ++p)
            for (int r = 0; r < regles->count && r < 8; ++r) {
                const int fin = CorrespondanceRegle(mot.c_str(), regles->patterns[r], p);
                EXIGER(fin == 0 || (fin >= p && fin <= static_cast<int>(mot.size())));
            }
    }
    return 0;
}
