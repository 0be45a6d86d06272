#pragma once
// The main dictionary payload as blocks, in a payload of units (ConteneurUnites):
// unit 0 is the headword index, read whole at start; units 1..B are the
// blocks, each holding consecutive articles in French order as article
// records (EnregistrementArticle), so that a lookup inflates only the blocks
// it touches.
//
// Index unit, in the tagged encoding: real 1.0, real (unused), string data
// label, integer article count N, integer block count B, B integers (the
// number of each block's first article: 0 first, ascending, below N), then one
// string holding the N headwords, each followed by a 0x00 (so a headword is
// read where it lies, as a C string). Block unit: integer article count, then
// the records.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/Article.h"
#include "data/ConteneurUnites.h"

// Blocks close once their records pass this size: small enough that a lookup
// inflates little, large enough that compression keeps most of its ratio.
inline constexpr std::size_t TAILLE_BLOC_DICTIONNAIRE = 64 * 1024;

class IndexTitres {
public:
    // Takes the inflated index unit. False (and the index left as it was)
    // when it is malformed or its block table does not fit its headwords.
    bool Lire(std::vector<unsigned char> octets);
    std::size_t Nombre() const { return debuts_.empty() ? 0 : debuts_.size() - 1; }
    // Headword `i` (< Nombre()), NUL-terminated where it lies.
    const char* C(std::size_t i) const { return reinterpret_cast<const char*>(octets_.data()) + debuts_[i]; }
    std::string_view Titre(std::size_t i) const { return {C(i), debuts_[i + 1] - debuts_[i] - 1}; }
    const std::string& Etiquette() const { return etiquette_; }
    const std::vector<std::uint32_t>& Premiers() const { return premiers_; }
    // Empty, the label kept.
    void Vider();

private:
    std::vector<unsigned char> octets_;
    std::vector<std::uint32_t> debuts_;    // where each headword starts, then the end
    std::vector<std::uint32_t> premiers_;  // the first article of each block
    std::string etiquette_;
};

// Empty when a headword holds a 0x00.
std::vector<unsigned char> EcrireIndexTitres(const std::string& etiquette, const std::vector<std::string>& titres,
                                             const std::vector<std::uint32_t>& premiers);

// The articles of one block; false when the block does not hold exactly
// `attendus` sound records (those read before a bad one are kept).
bool LireBlocArticles(const unsigned char* octets, std::size_t taille, std::size_t attendus,
                      std::vector<Article>& articles);

// The whole payload: the articles (already in French order) cut into blocks
// of about `tailleBloc` bytes, compressed and enciphered with the
// dictionary's key material. Empty on failure.
std::vector<unsigned char> EmballerDictionnaire(const std::string& etiquette, const std::vector<Article>& articles,
                                                std::size_t tailleBloc = TAILLE_BLOC_DICTIONNAIRE,
                                                int niveau = NIVEAU_COMPRESSION_UNITES);
