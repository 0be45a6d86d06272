#pragma once
// The lexicon the approximate search is bound to. Its database side numbers
// the words, variables and values of a lexicon database and hands out entry
// and inflection records by word, keeping what it has read; its run-time side
// owns the personal word list and is the current lexicon of the number
// services.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "approx/LexiqueApproches.h"
#include "lexique/ListePerso.h"
#include "lexique/Numerotations.h"
#include "lexique/TablesLexique.h"
#include "lexique/enregistrements/ServicesLexique.h"
#include "lexique/enregistrements/declinaison.h"
#include "lexique/enregistrements/entree.h"

class ConnexionBase;

class dictionnaire : public LexiqueApproches, public ServicesLexique {
public:
    // Unless `sansBase` is set: opens the database (a missing one is never
    // created; the tables then stay empty), becomes the current lexicon,
    // numbers the tables and loads the personal word list. With `sansBase`
    // nothing is opened or loaded and the current lexicon does not change.
    dictionnaire(const std::string& nomBase, bool sansBase);
    ~dictionnaire() override;
    dictionnaire(const dictionnaire&) = delete;
    dictionnaire& operator=(const dictionnaire&) = delete;

    // The word's inflection record, read once and kept whether or not a row
    // exists (then both texts are empty). Valid as long as the lexicon lives.
    declinaison& DeclinaisonDuMot(const std::string& mot) override;
    // The word's entry, or null when it has none (an entry without main text
    // is none, and is asked for again next time). `cacheSeulement`: never
    // query the database. The entry belongs to the lexicon.
    virtual entree* EntreeDuMot(const std::string& mot, bool cacheSeulement);

    const std::string& NomBase() const { return nomBase_; }
    bool SansBase() const { return sansBase_; }
    const std::string& ChaineConnexion() const { return chaineConnexion_; }
    // Null when the lexicon was made without database.
    const ListePerso* ListePersonnelle() const { return listePerso_.get(); }

    // Each table is read at most once, on first use.
    const std::vector<VariableLexique>& Variables();
    const Numerotation& NumerosVariables();  // from 0
    const Numerotation& NumerosValeurs();    // from 1
    const Numerotation& NumerosMots();       // from 1

    // The number services on this lexicon (NumerosLexique.h: on the current one).
    int NumeroMot(const std::string& mot) override;
    int NumeroVariable(const std::string& nom) override;
    int NumeroValeur(const std::string& texte) override;

private:
    std::string nomBase_;
    bool sansBase_;
    std::string chaineConnexion_;
    std::unique_ptr<ConnexionBase> connexion_;

    std::vector<VariableLexique> variables_;
    Numerotation numerosVariables_;
    Numerotation numerosValeurs_;
    Numerotation numerosMots_;
    bool variablesLues_ = false;
    bool numerosVariablesLus_ = false;
    bool numerosValeursLus_ = false;
    bool numerosMotsLus_ = false;

    std::map<std::string, std::unique_ptr<entree>> entrees_;
    std::map<std::string, declinaison> declinaisons_;
    std::unique_ptr<ListePerso> listePerso_;
};
