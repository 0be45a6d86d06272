#pragma once
// The main dictionary payload as blocks, in a payload of units (ConteneurUnites):
// unit 0 is the headword index's head, read whole at start; each block of
// consecutive articles in French order is two units, its text (units 1..B)
// and the rest of its records (units B+1..2B), so that a lookup inflates only
// the blocks it touches and the full-text search only the text it reads;
// units 2B+1..2B+S are the headwords themselves, K to a section, inflated
// only when a lookup reads one of them.
//
// Head unit, in the tagged encoding: real 1.0, real (unused), string data
// label, integer article count N, integer block count B, B integers (the
// number of each block's first article: 0 first, ascending, below N), integer
// K (headwords per section, a power of two), integer S (the sections: N / K
// rounded up), then S strings, the first headword of each section. Section
// unit: one string holding its headwords (K, fewer in the last), each
// followed by a 0x00, so that a headword is read where it lies, as a C
// string. Both units of a block start with the integer article count; then,
// per article, the text unit holds the headword, the integer sense count and
// the definitions, and the rest unit the category, the attributes, the
// etymology, inflections, synonyms and antonyms, then each sense's list of
// examples: the fields of an article record (EnregistrementArticle), parted.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/Article.h"
#include "data/ConteneurUnites.h"

// Blocks close once their records pass this size: small enough that a lookup
// inflates little, large enough that compression keeps most of its ratio.
inline constexpr std::size_t TAILLE_BLOC_DICTIONNAIRE = 64 * 1024;
// Headwords per section of the index: the binary search of a lookup reads
// about a dozen sections, a few kilobytes each, instead of all the headwords.
inline constexpr std::size_t TITRES_PAR_SECTION = 512;

class IndexTitres {
public:
    IndexTitres();
    ~IndexTitres();
    IndexTitres(IndexTitres&&) noexcept;
    IndexTitres& operator=(IndexTitres&&) noexcept;

    // Reads the head unit of `conteneur` with the key material given; the
    // sections are read from it later, so its bytes must outlive the index.
    // False (and the index left as it was) when the head is malformed or the
    // units do not match it.
    bool Lire(const ConteneurUnites& conteneur, const std::string& cle, const std::string& iv);
    std::size_t Nombre() const { return nombre_; }
    // Headword `i` (< Nombre()), NUL-terminated where it lies; its section is
    // inflated on first use (safe from several threads at once). A section
    // that is damaged reads as its first headword repeated, which keeps the
    // order the searches rely on: only its own articles are lost.
    const char* C(std::size_t i) const {
        const Section& section = SectionDe(i);
        if (section.debuts.empty()) return bornes_[i >> decalage_].c_str();
        return reinterpret_cast<const char*>(section.octets.data()) + section.debuts[i & Masque()];
    }
    std::string_view Titre(std::size_t i) const {
        const Section& section = SectionDe(i);
        if (section.debuts.empty()) return bornes_[i >> decalage_];
        const std::size_t rang = i & Masque();
        return {reinterpret_cast<const char*>(section.octets.data()) + section.debuts[rang],
                section.debuts[rang + 1] - section.debuts[rang] - 1};
    }
    const std::string& Etiquette() const { return etiquette_; }
    const std::vector<std::uint32_t>& Premiers() const { return premiers_; }
    std::size_t NombreSections() const { return bornes_.size(); }
    std::size_t SectionsLues() const;
    // Empty, the label kept.
    void Vider();

private:
    struct Section {
        std::vector<unsigned char> octets;
        std::vector<std::uint32_t> debuts;  // where each headword starts, then the end; empty when damaged
    };
    struct Sections;
    // The lookups read headwords in loops: a shift, not a division, finds the section.
    std::size_t Masque() const { return (std::size_t(1) << decalage_) - 1; }
    const Section& SectionDe(std::size_t i) const {
        const Section* lue = lues_[i >> decalage_].load(std::memory_order_acquire);
        return lue != nullptr ? *lue : Charger(i >> decalage_);
    }
    const Section& Charger(std::size_t numero) const;

    std::size_t nombre_ = 0;
    unsigned decalage_ = 0;  // K = 2 to that power
    std::vector<std::uint32_t> premiers_;  // the first article of each block
    std::vector<std::string> bornes_;      // the first headword of each section
    std::unique_ptr<std::atomic<const Section*>[]> lues_;
    std::string etiquette_;
    std::unique_ptr<Sections> sections_;
};

// The head unit then the sections; empty when a headword holds a 0x00 or
// `titresParSection` is not a power of two.
std::vector<std::vector<unsigned char>> EcrireIndexTitres(const std::string& etiquette,
                                                          const std::vector<std::string>& titres,
                                                          const std::vector<std::uint32_t>& premiers,
                                                          std::size_t titresParSection = TITRES_PAR_SECTION);

// The units of block `bloc` among `blocs`.
inline std::size_t UniteTexteBloc(std::size_t bloc) { return 1 + bloc; }
inline std::size_t UniteResteBloc(std::size_t bloc, std::size_t blocs) { return 1 + blocs + bloc; }

class FluxBaliseLecteur;
// The article count that opens each unit of a block: true when it is `attendus`.
bool LireCompteBloc(FluxBaliseLecteur& flux, std::size_t attendus);

// The articles of one block from its two units; false when they do not hold
// exactly `attendus` sound records that agree on the sense counts (those read
// before a bad one are kept).
bool LireBlocArticles(const std::vector<unsigned char>& texte, const std::vector<unsigned char>& reste,
                      std::size_t attendus, std::vector<Article>& articles);

// The whole payload: the articles (already in French order) cut into blocks
// of about `tailleBloc` bytes, compressed and enciphered with the
// dictionary's key material. Empty on failure.
std::vector<unsigned char> EmballerDictionnaire(const std::string& etiquette, const std::vector<Article>& articles,
                                                std::size_t tailleBloc = TAILLE_BLOC_DICTIONNAIRE,
                                                int niveau = NIVEAU_COMPRESSION_UNITES,
                                                std::size_t titresParSection = TITRES_PAR_SECTION);
