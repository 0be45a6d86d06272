#pragma once
// Articles for every common word of the spelling dictionary that the Littré
// lacks (football, internet, tennis, vingt-trois, b\xE9sicles, and the
// lemmas that are also a form of a headword, bl\xE2me beside bl\xE2mer):
// the category and gender the spelling dictionary gives, the synonyms the
// thesaurus has, one sense saying that our sources define it nowhere, and
// for a form of other headwords a last sense naming them.
// Windows-1252.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "data/Article.h"
#include "tools/donnees/Thesaurus.h"

class DictionnaireHunspell;
class TableFlexions;

// The one sense of such an article.
extern const char* const SensMotSansArticle;

struct AjoutsMotsSansArticle {
    std::vector<Article> articles;  // in the spelling dictionary's order
    // Words that are another spelling of exactly one headword of a category
    // they share ("surement" of "s\xFBrement", "fraicheur" of "fra\xEE" "cheur"):
    // the index leads them there instead; so does it the plurals of
    // compounds that the spelling dictionary lists as words of their own
    // ("cous-de-pied" to "cou-de-pied"). word -> headword.
    std::map<std::string, std::string> variantes;
};

// `articles`: the dictionary so far; `graphies`: other spellings of
// headwords ("c\x9C" "ur" for a Littr\xE9 "coeur"). Proper names, symbols and
// abbreviations, participles and plurals of a headword, forms of another
// added word, and the grammatical words' forms get no article.
AjoutsMotsSansArticle ArticlesMotsSansArticle(const DictionnaireHunspell& hunspell, const TableFlexions& flexions,
                                              const std::vector<EntreeThesaurus>& thesaurus,
                                              const std::vector<Article>& articles,
                                              const std::map<std::string, std::string>& graphies);
