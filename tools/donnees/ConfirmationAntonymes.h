#pragma once
// Two sources are good on their own (the hand-made table and the Littré's
// negated words); two are not (the Littré's opposition phrases, which
// contrast terms more often than they oppose them, and WordNet through
// FreeDict, which carries the senses of English words over). A pair of a
// weak source is kept only where a second signal agrees:
// - the same pair from any other source, weak or not;
// - on both sides, the thesaurus: a good source opposes the first word to a
//   synonym of the second, and the second word to a synonym of the first
//   (synonyms that list each other: the thesaurus's long lists are loose);
// - for the opposition phrases, a contrast of form: one stem behind two
//   learned prefixes of opposite meaning ("internat / externat",
//   "monogamie / polygamie"). Text is Windows-1252.
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tools/donnees/Antonymes.h"
#include "tools/donnees/Thesaurus.h"

bool ContrasteDeForme(const std::string& a, const std::string& b);

class ConfirmationAntonymes {
public:
    ConfirmationAntonymes(const std::vector<PaireAntonymes>& bonnes, const std::vector<EntreeThesaurus>& thesaurus);

    // `faibles` less those no signal confirms; `autres` are the other weak source's pairs.
    std::vector<PaireAntonymes> Confirmer(const std::vector<PaireAntonymes>& faibles,
                                          const std::vector<PaireAntonymes>& autres, bool parLaForme) const;

private:
    bool SynonymesMutuels(const std::string& a, const std::string& b) const;
    bool OpposeAUnSynonyme(const std::string& mot, const std::string& autre) const;

    std::map<std::string, std::set<std::string>> synonymes_;
    std::map<std::string, std::set<std::string>> contraires_;  // of the good sources
    std::set<std::pair<std::string, std::string>> bonnes_;
};
