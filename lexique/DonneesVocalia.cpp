#include "lexique/DonneesVocalia.h"

struct DonneesVocalia::Propres {
    DictionnairePrincipal dictionnaire;
    IndexFlexions flexions;
    DonneesApproches approches;
    TetesSansAccents tetes{dictionnaire};
};

DonneesVocalia::DonneesVocalia() : DonneesVocalia(std::make_unique<Propres>()) {}

DonneesVocalia::DonneesVocalia(std::unique_ptr<Propres> propres)
    : propres_(std::move(propres)),
      dictionnaire_(propres_->dictionnaire),
      flexions_(propres_->flexions),
      approches_(propres_->approches),
      tetes_(propres_->tetes) {}

DonneesVocalia::DonneesVocalia(DictionnairePrincipal& dictionnaire, IndexFlexions& flexions,
                               DonneesApproches& approches, TetesSansAccents& tetes)
    : dictionnaire_(dictionnaire), flexions_(flexions), approches_(approches), tetes_(tetes) {}

DonneesVocalia::~DonneesVocalia() = default;

DonneesVocalia& DonneesVocalia::ParDefaut() {
    static DonneesVocalia* const donnees =
        new DonneesVocalia(DictionnaireCourant(), IndexFlexions::ParDefaut(), DonneesApproches::ParDefaut(),
                           TetesSansAccents::ParDefaut());
    return *donnees;
}

bool DonneesVocalia::ChargerDictionnaire() { return ::ChargerDictionnaire(dictionnaire_); }
