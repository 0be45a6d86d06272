#pragma once
// The forms of the grammatical words (pronouns, determiners, contracted
// articles) that the spelling dictionary lists as words of their own,
// unconnected to the word a dictionary files them under: "ils" under "il",
// "toutes" under "tout", "aux" under "au". And the words that exist only in
// locutions: "parce" leads to "parce que", "posteriori" to "a posteriori".
// Windows-1252.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "data/Article.h"

struct FormeGrammaticale {
    const char* forme;
    const char* vedette;
};

// The whole table, the forms of one word together.
const std::vector<FormeGrammaticale>& TableMotsGrammaticaux();

// True when the word is a form in the table (and so needs no article of its own).
bool EstFormeGrammaticale(const std::string& mot);

struct BilanMotsGrammaticaux {
    std::size_t formes = 0;      // table forms the index now leads to their word
    std::size_t motsDeLocutions = 0;  // words found only in locutions that the index now leads to them
};

// The build report's lines (UTF-8).
std::string TexteBilanMotsGrammaticaux(const BilanMotsGrammaticaux& bilan);

// Adds to the inflected-form index each form of the table that is not a
// headword itself, when its word is one (the table's word first), and each
// word of a locution headword that is neither a headword nor already indexed.
BilanMotsGrammaticaux IndexerMotsGrammaticaux(const std::vector<Article>& articles,
                                              std::map<std::string, std::vector<std::string>>& index);
