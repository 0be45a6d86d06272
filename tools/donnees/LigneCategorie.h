#pragma once
// The category line a reader reads first. A line that joins several
// readings ("ADJECTIF, NOM ET ADVERBE" for "mal", where the adjective is the
// Littré's archaic one) names first those the spelling dictionary confirms,
// the commoner use in the Littré's text first; the others follow. And what
// qualifies the abbreviation ("adv. de temps", "adv. de lieu") or a stray
// sign of the head is no part of the line. Windows-1252.
#include <string>
#include <vector>

#include "data/Article.h"
#include "tools/donnees/LecturesHunspell.h"
#include "tools/donnees/OrdreHomographes.h"

// "ADJECTIF, NOM ET ADVERBE" -> ADJECTIF, NOM, ADVERBE; empty when the line
// is not a plain list of single category words.
std::vector<std::string> PartiesCategorie(const std::string& categorie);
std::string JoindreCategorie(const std::vector<std::string>& parties);

// The line reordered; unchanged when its first reading is confirmed, when
// none is, and for verbs and participles, whose line opens their conjugation.
std::string CategorieOrdonnee(const std::string& categorie, const LectureHunspell& lecture,
                              const EmploisLittre* emplois);

// True for a remark that is a qualifier of the adverb's abbreviation ("de
// temps") or nothing but signs (")").
bool FragmentDeCategorie(const std::string& categorie, const std::string& remarque);

struct BilanLignesCategorie {
    std::size_t reordonnees = 0, fragments = 0;
};
BilanLignesCategorie OrdonnerLignesCategorie(std::vector<Article>& articles, const LecturesHunspell& lectures,
                                             const EmploisParMot& emplois);
