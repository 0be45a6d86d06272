#pragma once
// Today's spelling of the Littré's headwords. The Littré writes as in 1877:
// "coeur", "siége", "poëme", "kaléïdoscope". Where the spelling dictionary
// does not know that spelling but knows exactly one that differs from it only
// by ligatures, accents, diaereses or hyphens, the article takes the known
// spelling (in its headword and in its own senses and examples), and the old
// one is kept for the inflected-form index so that typing it still finds the
// article. Words whose "oe" is no ligature (coefficient, moelle) are known to
// the spelling dictionary as they are and so stay. Everything is Windows-1252.
#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "data/Article.h"

class DictionnaireHunspell;

// What a change of spelling involved; one change may involve several.
struct GenresChangement {
    bool ligature = false;  // oe, ae -> œ, æ
    bool accent = false;    // siége -> siège
    bool trema = false;     // poëme -> poème, kaléïdoscope -> kaléidoscope
    bool trait = false;     // a hyphen added or removed
};

struct BilanGraphies {
    std::size_t vedettes = 0;  // distinct headwords respelt
    std::size_t ligatures = 0, accents = 0, tremas = 0, traits = 0;  // of those, by kind
    std::size_t ambigus = 0;   // several known spellings fit: left as the Littré writes them
    std::map<std::string, std::string> anciennes;  // old spelling -> today's
};

// The spelling with its ligatures written as two letters, its accents and
// diaereses removed and its hyphens dropped: two spellings of one word have
// the same key. Case is kept.
std::string CleGraphie(const std::string& mot);

// True when the two spellings differ and have the same key, the last letter
// (before a plural s) excepted: "surement" and "s\xFBrement", not "charites"
// and "charit\xE9s".
bool AutreGraphie(const std::string& a, const std::string& b);

// The kinds of difference between two spellings of the same key.
GenresChangement ComparerGraphies(const std::string& ancienne, const std::string& moderne);

// How the spelling dictionary knows a spelling: a union of these bits.
enum EmploiGraphie : unsigned {
    EmploiLemme = 1,  // an entry of its own, not merely a form of one
    EmploiNom = 2,
    EmploiAdjectif = 4,
    EmploiVerbe = 8,
    EmploiParticipe = 16,
    EmploiAdverbe = 32,
    EmploiGrammatical = 64,  // pronoun, determiner, preposition, conjunction, interjection
};
using GraphiesConnues = std::map<std::string, unsigned>;  // spelling -> EmploiGraphie bits (0: a verb form)

// `connues`: every spelling the spelling dictionary knows, forms included. A
// headword that is known, that is an affix ("anti-", "-ois") or a locution,
// or whose today's spelling is already a headword of its own, is left alone.
// A known spelling replaces a headword only when it is known in the
// article's category ("branchie", a noun, is no spelling of the adjective
// "branchié"; "articulât", a verb form, none of the noun "articulat").
BilanGraphies ModerniserGraphies(std::vector<Article>& articles, const GraphiesConnues& connues);

// The old spellings, each leading to its headword first; and, since few
// keyboards type "\x9C" and "\xE6", every headword and indexed form spelt with
// them leads there when written "oe", "ae" too ("coeurs", "oenologue"),
// unless that spelling is a headword or an indexed form itself.
void IndexerAnciennesGraphies(const BilanGraphies& bilan, const std::vector<Article>& articles,
                              std::map<std::string, std::vector<std::string>>& index);

// The build report's lines (UTF-8).
std::string TexteBilanGraphies(const BilanGraphies& bilan);

// Every form the spelling dictionary knows (Windows-1252).
GraphiesConnues GraphiesHunspell(const DictionnaireHunspell& dictionnaire);
