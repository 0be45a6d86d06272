#pragma once
// One article record of the dictionary payload, in stream order: headword,
// category, attributes, etymology, inflections, synonyms, antonyms, the sense
// count, then each sense as its definition and its list of examples.
#include "data/Article.h"
#include "data/FluxBalise.h"

// False at the first field that cannot be read; `article` is then partly filled.
bool LireArticle(FluxBaliseLecteur& flux, Article& article);
void EcrireArticle(FluxBaliseEcrivain& flux, const Article& article);
