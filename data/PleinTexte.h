#pragma once
// The full-text search over the blocks of the main dictionary: the blocks are
// inflated one at a time by each core, only their text (headwords and
// definitions) unless the examples are searched too; a block whose bytes do
// not contain the text is dropped, and the others are scanned where they lie,
// record by record, without building the articles; only the matches are
// kept, so the search holds no more than one block per core.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Inflates the text unit of block `numero` into `texte` and, when `reste` is
// not null, its rest unit into `*reste` (false when damaged); must be safe to
// call from several threads at once. See BlocsDictionnaire.h for both layouts.
using InflaterBlocTexte =
    std::function<bool(std::size_t numero, std::vector<unsigned char>& texte, std::vector<unsigned char>* reste)>;
// The records a block must hold: the number of its first article and how many.
struct EtendueBloc {
    std::size_t premier = 0;
    std::size_t nombre = 0;
};
using EtendueBlocTexte = std::function<EtendueBloc(std::size_t numero)>;
// The headword the index gives article `i`; a record that disagrees ends its block.
using TitreTexte = std::function<std::string_view(std::size_t article)>;

struct CorrespondancePleinTexte {
    std::string mot;         // the headword of the matching article
    std::string definition;  // the definition that matched; empty for a match in an example
};

// The matching articles of blocks 0..blocs-1, in block and article order:
// an article matches when one of its definitions, or (with `dansExemples`)
// one of its examples, holds the text byte for byte, the senses tested in
// order, each definition before its examples. A bad record ends its block,
// the records before it counted. An empty text matches nothing.
std::vector<CorrespondancePleinTexte> ChercherDansBlocs(std::size_t blocs, const InflaterBlocTexte& inflater,
                                                        const EtendueBlocTexte& etendue, const TitreTexte& titre,
                                                        const std::string& texte, bool dansExemples);
