#pragma once
// The full-text search over the blocks of the main dictionary: the blocks are
// inflated one at a time by each core, a block whose bytes do not contain the
// text is dropped unparsed, and only the matches are kept, so the search holds
// no more than one block per core.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "data/Article.h"

// Inflates block `numero` into `octets` (false when damaged); must be safe to
// call from several threads at once.
using InflaterBlocTexte = std::function<bool(std::size_t numero, std::vector<unsigned char>& octets)>;
// Reads the articles of an inflated block (those before a bad record at least).
using LireBlocTexte = std::function<void(std::size_t numero, const std::vector<unsigned char>& octets,
                                         std::vector<Article>& articles)>;

struct CorrespondancePleinTexte {
    std::string mot;         // the headword of the matching article
    std::string definition;  // the definition that matched; empty for a match in an example
};

// The matching articles of blocks 0..blocs-1, in block and article order.
// An empty text matches nothing.
std::vector<CorrespondancePleinTexte> ChercherDansBlocs(std::size_t blocs, const InflaterBlocTexte& inflater,
                                                        const LireBlocTexte& lire, const std::string& texte,
                                                        bool dansExemples);
