#pragma once
// Today's spelling in the Littré's running text. The digitised source writes
// "oe" and "ae" where the printed page has "\x9C" and "\xE6" (coeur, moeurs,
// Oeuvres), and the Littré itself spells some words as in 1877 (manége,
// siége, poëte). A word of the text that the spelling dictionary does not
// know, but knows in exactly one spelling that differs from it only by
// ligatures, accents or diaereses, takes that spelling, whatever its case
// (Oeuvres -> \x8Cuvres, COEUR -> C\x8CUR). Ligatures are restored in every
// text of the Littré, citations included, since they are the page's letters;
// other old spellings only in the Littré's own definitions, since a
// quotation keeps its author's spelling. A word whose "oe" is no ligature
// (coefficient, moelle) is known as it is and so stays. Windows-1252.
#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "data/Article.h"
#include "tools/donnees/GraphieModerne.h"

struct GraphieTexte {
    std::string moderne;    // "" when several known spellings fit
    bool ligatureSeule = false;  // only ligatures differ: right inside quotations too
};

// Unknown spelling (lower case, or as capitalised in the text) -> today's.
using TableGraphiesTexte = std::unordered_map<std::string, GraphieTexte>;

// Every running text of the articles, in their order: each one's etymology,
// then each sense's definition and examples.
std::vector<const std::string*> TextesDesArticles(const std::vector<Article>& articles);

// The table for the words of `textes`' words that `connues` lacks.
TableGraphiesTexte TableGraphies(const std::vector<const std::string*>& textes, const GraphiesConnues& connues);

// The text with each word the table knows respelt; with `ligaturesSeules`,
// only the words whose ligatures alone differ. `changes` counts the words.
std::string RecrireTexte(const std::string& texte, const TableGraphiesTexte& table, bool ligaturesSeules,
                           std::size_t* changes = nullptr);

struct BilanGraphiesTexte {
    std::size_t motsCitations = 0;    // words of citations and etymologies whose ligatures were restored
    std::size_t motsDefinitions = 0;  // words of the definitions respelt (ligatures and old spellings)
    std::size_t articles = 0;   // articles with at least one change
};

// Every article's definitions, examples and etymology.
BilanGraphiesTexte ModerniserTextes(std::vector<Article>& articles, const GraphiesConnues& connues);

// True when the text holds a word written with "oe" or "ae" that the table
// knows only with the ligature (outside quotations: pass the definitions).
bool LigatureManquante(const std::string& texte, const TableGraphiesTexte& table);

// The build report's line (UTF-8).
std::string TexteBilanGraphiesTexte(const BilanGraphiesTexte& bilan);
