#pragma once
// Articles that only send the reader elsewhere: the Littré's "Voy. VIEIL."
// under VIEUX, "Le même que corbillat." under CORBILLOT. Shown alone they are
// a dead end, and the inflected forms of the word (vieille) lead into it. So
// each is followed, under its own headword, by the articles of the headword
// it names: the reader sees its line, then what it points to. Windows-1252.
#include <cstddef>
#include <string>
#include <vector>

#include "data/Article.h"

// The headword a definition sends to, in lower case ("vieil" for "Voy.
// VIEIL.", "corbillat" for "Le même que corbillat."); "" when the
// definition says more than that.
std::string CibleDuRenvoi(const std::string& definition);

// The headword an article sends to when a reference is its only sense
// (besides a pronunciation remark); "" otherwise.
std::string RenvoiDeLArticle(const Article& article);

// `articles` sorted, homographs in their final order. After each article
// that only sends elsewhere, copies of the articles of the headword named
// (followed in turn when that one only sends elsewhere too, up to three
// steps), under the referring headword. Returns the number of articles
// completed this way.
std::size_t SuivreRenvois(std::vector<Article>& articles);
