#pragma once
// Articles that only send the reader elsewhere: the LittrÃ©'s "Voy. VIEIL."
// under VIEUX, "Le mÃªme que corbillat." under CORBILLOT. Shown alone they are
// a dead end, and the inflected forms of the word (vieille) lead into it. So
// each is followed, under its own headword, by the articles of the headword
// it names: the reader sees its line, then what it points to. Windows-1252.
#include <cstddef>
#include <string>
#include <vector>

#include "data/Article.h"

// The headword a definition sends to, in lower case ("vieil" for "Voy.
// VIEIL.", "corbillat" for "Le mÃªme que corbillat."); "" when the
// definition says more than that.
std::string CibleDuRenvoi(const std::string& definition);

// The headword an article sends to when a reference is its only sense
// (besides a pronunciation remark); "" otherwise. `numero` receives the
// number of the homograph named, 0 when none.
std::string RenvoiDeLArticle(const Article& article, int* numero = nullptr);

// The articles to show after each article that only sends elsewhere: copies
// of the articles of the headword named (followed in turn when that one only
// sends elsewhere too, up to three steps), under the referring headword; the
// one the Littré numbers ("Voy. AUNE 2.") when it numbers one, else those of
// the referring article's category and gender when some are; a verb's
// article only after a verb's, since "VERBE" opens the conjugation of the
// headword shown.
struct RenvoiSuivi {
    Article renvoi;                // the referring article as it stands
    std::vector<Article> suivants;  // what it leads to
};

// `articles` sorted with homographs still in the Littré's order, which its
// numbers count.
std::vector<RenvoiSuivi> PreparerRenvois(const std::vector<Article>& articles);

// Once the order is final: the copies right after their referring article.
// Returns the number of referring articles completed.
std::size_t PlacerRenvois(std::vector<Article>& articles, const std::vector<RenvoiSuivi>& renvois);
