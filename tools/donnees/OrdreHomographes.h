#pragma once
// The order of the articles that share a headword: the reading a reader
// means comes first. Those whose category the spelling dictionary gives for
// the word come before those it does not know ("hier" the adverb before the
// verb that drives piles). Among them: a grammatical word's closed-class
// reading first ("son" the possessive, "la" the article), then a verb before
// the noun made of its infinitive ("pouvoir", "devoir"), then the others,
// and last a verb the dictionary knows only as pronominal ("fier": one says
// "se fier", so the bare word is the adjective). Within each rank, the
// Littré's order.
#include <vector>

#include "data/Article.h"
#include "tools/donnees/LecturesHunspell.h"

// `articles` are sorted: equal headwords are adjacent.
void OrdonnerHomographes(std::vector<Article>& articles, const LecturesHunspell& lectures);
