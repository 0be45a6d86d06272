#pragma once
// The order of the articles that share a headword: the reading a reader
// means comes first. An article whose category the spelling dictionary
// gives for the word comes before one it does not know ("hier" the adverb
// before the verb that drives piles); among those it knows, the
// dictionary's order of readings decides ("fier" the adjective before the
// verb), except that a verb comes before the noun made of its infinitive
// ("pouvoir", "devoir", "rire"). Articles it cannot rank keep the Littré's
// order.
#include <vector>

#include "data/Article.h"
#include "tools/donnees/LecturesHunspell.h"

// `articles` are sorted: equal headwords are adjacent.
void OrdonnerHomographes(std::vector<Article>& articles, const LecturesHunspell& lectures);
