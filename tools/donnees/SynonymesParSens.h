#pragma once
// The thesaurus's groups cut by meaning. Most entries of thes_fr.dat hold one
// long group in which the lists of several meanings follow each other
// (heureux: "aise, facilité, ... latrines, content, bénéfique, avantageux,
// ..."); a reader needs to see which meaning a synonym belongs to, and an
// adjective's article must not show a noun's synonyms. A run of words that
// the thesaurus relates to the run's first word, or to two of its words,
// makes one meaning; its first word is its gloss and its categories are
// those its words have in their own entries. Words that are only inflected
// forms of a listed word or of the headword ("anciens" beside "ancien") are
// dropped. Windows-1252.
#include <vector>

#include "tools/donnees/Thesaurus.h"

class TableFlexions;

void DecouperParSens(std::vector<EntreeThesaurus>& entrees, const TableFlexions& flexions);

// The synonyms of one group without the words that are only forms of
// another word of `cites` (the entry's headword and synonyms).
std::vector<std::string> SansFormesFlechies(const std::vector<std::string>& synonymes,
                                            const std::set<std::string>& cites, const TableFlexions& flexions);
