#pragma once
// The order of the articles that share a headword: the reading a reader
// means comes first. Those whose category the spelling dictionary gives for
// the word come before those it does not know ("hier" the adverb before the
// verb that drives piles). Among them: a grammatical word's closed-class
// reading first ("son" the possessive, "la" the article), then a verb before
// the noun made of its infinitive ("pouvoir", "devoir"), then the others,
// and last a verb the dictionary knows only as pronominal ("fier": one says
// "se fier", so the bare word is the adjective). Within each rank, where the
// spelling dictionary cannot decide between a noun and an adverb (or another
// invariable word), the commoner use in the Littré's text: "bien" is an
// adverb far more often than a noun. Then the Littré's order.
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "data/Article.h"
#include "tools/donnees/Frequences.h"
#include "tools/donnees/LecturesHunspell.h"

using EmploisParMot = std::unordered_map<std::string, EmploisLittre>;

// `articles` are sorted: equal headwords are adjacent. `emplois` may lack a word.
void OrdonnerHomographes(std::vector<Article>& articles, const LecturesHunspell& lectures,
                         const EmploisParMot& emplois = {});

// What the text's uses tell apart: a noun ("le bien", "du mal") from an
// adverb, a preposition, a conjunction, an interjection or a pronoun ("très
// bien", "pas mal"). An adjective or a verb form stands where a noun does
// without its determiner ("en alerte", "ouvrage cité"): the uses cannot
// weigh those.
enum class Emploi { Nom, Invariable, Autre };
// Of a category word ("NOM", "ADVERBE") or a category line's first word.
Emploi EmploiDe(const std::string& categorie);

// The headwords whose readings the uses in the text may order: a noun
// reading and an invariable one, in one article or among several.
std::unordered_set<std::string> MotsAEmploisPartages(const std::vector<Article>& articles);
