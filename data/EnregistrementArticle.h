#pragma once
// One article record of the dictionary payload, in stream order: headword,
// category, attributes, etymology, inflections, synonyms, antonyms, the sense
// count, then each sense as its definition and its list of examples.
#include "data/Article.h"
#include "data/FluxBalise.h"

// False at the first field that cannot be read; `article` is then partly filled.
bool LireArticle(FluxBaliseLecteur& flux, Article& article);
void EcrireArticle(FluxBaliseEcrivain& flux, const Article& article);

// The fields between the headword and the sense count (category, attributes,
// etymology, inflections, synonyms, antonyms), for the layouts that part a
// record (BlocsDictionnaire.h).
bool LireChampsDescriptifs(FluxBaliseLecteur& flux, Article& article);
void EcrireChampsDescriptifs(FluxBaliseEcrivain& flux, const Article& article);
