#pragma once
// The data a program answers from: the main dictionary, the inflected-form
// index and the approximate search's data (rules, key indexes, commonness,
// phonetic cache), and the accent-free index of the headwords that the
// forgiving lookup builds on first use. Each program's main takes the default object, loads it and
// hands it down; a test builds others from its own fixture data, side by side.
//
// The default object's parts are the ones the process-wide calls work on
// (DictionnaireCourant(), Lemmes, the engine without data of its own), so
// code that still makes those calls sees what main loaded. Not copyable: it
// owns its parts or refers to the default ones.
#include <memory>

#include "approx/DonneesApproches.h"
#include "data/Dictionnaire.h"
#include "data/IndexFlexions.h"
#include "rendu/RechercheTolerante.h"
#include "rendu/TetesSansAccents.h"

class DonneesVocalia {
public:
    // Parts of its own, empty until loaded.
    DonneesVocalia();
    ~DonneesVocalia();

    static DonneesVocalia& ParDefaut();

    DictionnairePrincipal& Dictionnaire() { return dictionnaire_; }
    IndexFlexions& Flexions() { return flexions_; }
    DonneesApproches& Approches() { return approches_; }
    // What the article lookups (rendu's forgiving lookup) answer from.
    SourcesArticles Articles() { return {dictionnaire_, flexions_, tetes_}; }

    // The main dictionary from its resource; false (and no article) when
    // it cannot be had or read. The other parts load on first use.
    bool ChargerDictionnaire();

private:
    struct Propres;
    explicit DonneesVocalia(std::unique_ptr<Propres> propres);
    DonneesVocalia(DictionnairePrincipal& dictionnaire, IndexFlexions& flexions, DonneesApproches& approches,
                   TetesSansAccents& tetes);

    std::unique_ptr<Propres> propres_;  // null for the default object
    DictionnairePrincipal& dictionnaire_;
    IndexFlexions& flexions_;
    DonneesApproches& approches_;
    TetesSansAccents& tetes_;
};
