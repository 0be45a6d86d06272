#pragma once
// The definition pane's text, built from the articles of one word.
#include <string>
#include <vector>

#include "data/Article.h"
#include "rendu/OptionsFiltre.h"

struct TexteRendu {
    std::string texte;  // CR LF line ends
    bool verbe = false;
};

bool EstVerbe(const Article& article);
// LF line ends.
std::string RendreArticle(const Article& article, const CarteOptions& detailsInclus, const CarteOptions& typesExclus);
TexteRendu TexteDuMot(const std::vector<Article>& articles, const OptionsFiltre& options);
