#pragma once
// The articles of FreeDict's bilingual dictionaries as dictd stores them:
//   abandonner /abɑ̃dɔne/ <v>
//   1. cede, give in, give up
//   2. abandon, forsake, desert
// a headword, its pronunciation and part of speech, then one line per sense
// (numbered when there are several), the translations separated by commas.
// Text stays UTF-8 here.
#include <string>
#include <vector>

struct ArticleBilingue {
    std::string vedette;
    std::string categorie;  // "NOM", "VERBE", "ADJECTIF", "ADVERBE", or "" when unsaid or other
    std::vector<std::vector<std::string>> sens;  // translations, in the article's order
};

// False when the article has no headword or no translation.
bool AnalyserArticleFreeDict(const std::string& texte, ArticleBilingue& article);

// The first `parSens` translations of each sense: the ones a reader of the
// dictionary would take for the word's meaning.
std::vector<std::string> PremieresTraductions(const ArticleBilingue& article, std::size_t parSens);
