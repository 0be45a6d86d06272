#pragma once
// The build's step that puts Vocalia's own definitions (TableDefinitions.h)
// into the final articles, sorted and with their homographs in order:
// - a word whose article has no definition (the builder's articles for the
//   modern words and for the Littré's lost names) gets our senses in place
//   of the sense that says so; its category line, forms, synonyms and
//   antonyms stay; a cross-reference sense ("Voir aussi : ...") follows ours;
// - a block marked "| aujourd'hui" becomes an article of its own, placed
//   before the word's first article; the Littré's follow unchanged;
// - a word hunspell knows that has no article at all gets one.
// Every article of ours is labelled (SourceDefinition.h). A block is refused
// when hunspell does not know its word, when its category disagrees with
// hunspell's, when its word has a Littré article and no article without
// definition left while it is not marked "| aujourd'hui", or when it repeats
// an earlier block. Windows-1252.
#include <cstddef>
#include <string>
#include <vector>

#include "data/Article.h"
#include "tools/donnees/LecturesHunspell.h"
#include "tools/donnees/TableDefinitions.h"

#ifdef VOCALIA_DOSSIER_OUTILS
inline constexpr const char* DOSSIER_DEFINITIONS = VOCALIA_DOSSIER_OUTILS "/donnees/definitions";
#else
inline constexpr const char* DOSSIER_DEFINITIONS = "";
#endif

// What the data label says when the build took the table in; the credits
// are made from it.
inline constexpr const char* MARQUE_DEFINITIONS_VOCALIA = "d\xE9" "finitions de Vocalia";

struct BilanDefinitions {
    std::size_t blocs = 0;
    std::size_t completes = 0;      // articles without definition that took ours
    std::size_t devantLittre = 0;   // today's meanings placed before the Littré's article
    std::size_t nouveaux = 0;       // articles of words that had none of this category
    // Marked "| aujourd'hui" though the word has no Littré article (the
    // edition lost it): taken as a word without definition, or a new one.
    std::size_t aujourdhuiSansLittre = 0;
    std::vector<FauteDefinition> fautes;
};

// True when hunspell's readings allow the category line, and its gender for a noun.
bool CategorieAccordee(const CategorieDefinition& categorie, const LectureHunspell& lecture);

// `articles` must be in their final order; it stays so.
BilanDefinitions AppliquerDefinitions(std::vector<Article>& articles, const std::vector<BlocDefinition>& blocs,
                                      const LecturesHunspell& lectures);

// The table as read from its folder (ChargerTableDefinitions), with the
// faults found while reading it.
struct TableDefinitionsLue {
    std::string dossier;
    std::vector<BlocDefinition> blocs;
    std::vector<FauteDefinition> fautes;
};
TableDefinitionsLue LireDefinitionsVocalia(const std::string& dossier);

// Applies the table and writes every fault to stderr, those of its reading
// first: false when there is one (the build stops).
bool AjouterDefinitionsVocalia(const TableDefinitionsLue& table, std::vector<Article>& articles,
                               const LecturesHunspell& lectures, BilanDefinitions& bilan);

// The build report's lines, UTF-8.
std::string TexteBilanDefinitions(const BilanDefinitions& bilan);
