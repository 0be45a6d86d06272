#include "lexique/dictionnaire.h"

#include "database/ConnexionBase.h"
#include "lexique/NumerosLexique.h"
#include "lexique/enregistrements/declinaisonDB.h"
#include "lexique/enregistrements/entreeDB.h"

dictionnaire::dictionnaire(const std::string& nomBase, bool sansBase) : nomBase_(nomBase), sansBase_(sansBase) {
    if (sansBase_) return;
    chaineConnexion_ = std::string(PREFIXE_CONNEXION) + nomBase_;
    connexion_ = ConnexionBase::Ouvrir(chaineConnexion_, "");
    FixerLexiqueCourant(this);
    NumerosVariables();
    NumerosValeurs();
    NumerosMots();
    listePerso_ = std::make_unique<ListePerso>(this);
    // The list is the user's own business: a list that fails its checks is
    // simply not used.
    std::string erreur;
    listePerso_->ChargerListePerso(NOM_LISTE_PERSO, erreur);
}

// The number services must never reach a lexicon that is gone.
dictionnaire::~dictionnaire() { OublierLexiqueCourant(this); }

const std::vector<VariableLexique>& dictionnaire::Variables() {
    if (!variablesLues_) {
        variablesLues_ = true;
        if (connexion_) variables_ = LireVariablesLexique(*connexion_);
    }
    return variables_;
}

const Numerotation& dictionnaire::NumerosVariables() {
    if (!numerosVariablesLus_) {
        numerosVariablesLus_ = true;
        std::vector<std::string> noms;
        for (const VariableLexique& variable : Variables()) noms.push_back(variable.nom);
        numerosVariables_ = Numeroter(std::move(noms), 0);
    }
    return numerosVariables_;
}

const Numerotation& dictionnaire::NumerosValeurs() {
    if (!numerosValeursLus_) {
        numerosValeursLus_ = true;
        std::vector<std::string> valeurs;
        for (const VariableLexique& variable : Variables())
            valeurs.insert(valeurs.end(), variable.valeurs.begin(), variable.valeurs.end());
        numerosValeurs_ = Numeroter(std::move(valeurs), 1);
    }
    return numerosValeurs_;
}

const Numerotation& dictionnaire::NumerosMots() {
    if (!numerosMotsLus_) {
        numerosMotsLus_ = true;
        if (connexion_) numerosMots_ = Numeroter(LireMotsLexique(*connexion_), 1);
    }
    return numerosMots_;
}

declinaison& dictionnaire::DeclinaisonDuMot(const std::string& mot) {
    const auto trouvee = declinaisons_.find(mot);
    if (trouvee != declinaisons_.end()) return trouvee->second;
    declinaisonDB lue;
    if (connexion_) LireDeclinaison(lue, *connexion_, mot);
    lue.lexique = this;
    return declinaisons_.emplace(mot, lue).first->second;
}

entree* dictionnaire::EntreeDuMot(const std::string& mot, bool cacheSeulement) {
    const auto trouvee = entrees_.find(mot);
    if (trouvee != entrees_.end()) return trouvee->second.get();
    if (cacheSeulement || !connexion_) return nullptr;
    entreeDB lue;
    LireEntree(lue, *connexion_, mot);
    if (lue.texte3.empty()) return nullptr;
    lue.lexique = this;
    auto copie = std::make_unique<entree>();
    *copie = lue;
    return entrees_.emplace(mot, std::move(copie)).first->second.get();
}
