#pragma once
// The checks that keep the built dictionary honest: each kind of fault a
// reader would notice, counted, with the first examples. The `audit`
// subcommand prints them for built data; the `dictionnaire` build reports
// the totals. Windows-1252 inside, UTF-8 printed.
#include <cstddef>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "data/Article.h"
#include "tools/donnees/LecturesHunspell.h"
#include "tools/donnees/NomsLittre.h"

struct ConstatAudit {
    std::size_t nombre = 0;
    std::vector<std::string> exemples;  // the first few headwords (with a detail)
    void Noter(const std::string& exemple);
};

struct Audit {
    std::size_t articles = 0;
    std::size_t articlesConnus = 0;  // whose headword hunspell knows as a lemma
    ConstatAudit desaccordsCategorie;
    // Among them, those of a headword none of whose articles hunspell
    // confirms (the others are rarer homographs it does not list: the
    // Littré's adjective "cathédrale" beside the noun).
    ConstatAudit desaccordsSansHomographe;
    std::map<std::string, ConstatAudit> desaccordsParSorte;  // "NOM / hunspell ADVERBE"
    ConstatAudit desaccordsGenre;
    ConstatAudit sansCategorie;
    ConstatAudit sansCategorieConnus;
    ConstatAudit sansSens;
    ConstatAudit vedettesPonctuees;
    ConstatAudit sensParenthesesOuvertes;
    ConstatAudit sensFragments;
    ConstatAudit motsHunspellIntrouvables;
    ConstatAudit pairesAntonymes;
    // Articles by where their definition comes from.
    std::size_t definisLittre = 0, definisVocalia = 0, sansDefinition = 0, communes = 0;
    // The Littré's index names whose article this edition lacks, by whether
    // the spelling dictionary knows the word, and how many now have an
    // article all the same (from the other sources).
    bool nomsPerdusLus = false;
    std::size_t nomsPerdusIndex = 0;
    ConstatAudit nomsPerdusConnus;
    ConstatAudit nomsPerdusInconnus;
    ConstatAudit nomsPerdusAvecArticle;
};

// True when the inflected-form index has the form.
using FormeIndexee = std::function<bool(const std::string& forme)>;

Audit AuditerDonnees(const std::vector<Article>& articles, const FormeIndexee& indexee,
                     const LecturesHunspell& lectures);

// A headword that starts or ends with punctuation or a blank ("- entêteur").
bool VedettePonctuee(const std::string& mot);
// A definition with a parenthesis it never closes, or one it closes unopened.
bool ParenthesesDesequilibrees(const std::string& texte);
// A sense that is the end of the previous one or of the head: "- ce mot).",
// ") et ...", "ce mot).".
bool SensFragment(const std::string& texte);

// Adds the lost index names to the audit of `articles`.
void AuditerNomsPerdus(const NomsPerdusLittre& perdus, const std::vector<Article>& articles,
                       const LecturesHunspell& lectures, Audit& audit);

// Every kind with its count and, when `exemples` > 0, that many examples.
void AfficherAudit(std::FILE* sortie, const Audit& audit, std::size_t exemples);
