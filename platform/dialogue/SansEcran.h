#pragma once
// The back end without a display: every control is a record, the desktop
// services are written to a journal, and a user's actions are methods. Tests
// and the script driver run the real dialogs on it.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/dialogue/Dialogue.h"
#include "platform/dialogue/FenetreDialogue.h"
#include "platform/dialogue/InterfaceUtilisateur.h"
#include "platform/dialogue/ModeleDialogue.h"

class Dialogue;

struct EvenementInterface {
    enum class Type { Message, Page, Fenetre };
    Type type = Type::Message;
    std::string titre;  // message box or window caption; the address of a page
    std::string texte;  // message text or the window's main text
    Icone icone = Icone::Aucune;
};

class InterfaceSansEcran : public InterfaceUtilisateur {
public:
    std::unique_ptr<FenetreDialogue> CreerFenetre(Dialogue& dialogue) override;
    void BoiteMessage(const std::string& titre, const std::string& texte, Icone icone) override;
    bool OuvrirPage(const std::string& url) override;
    void DebutAttente() override;
    void FinAttente() override;
    std::string TexteSelectionne() override { return selection_; }
    // What another application selected, as the desktop would give it.
    void DefinirTexteSelectionne(const std::string& texte) { selection_ = texte; }

    // The outermost modal window runs the pilot instead of a message loop; the
    // windows opened while it runs are recorded and closed as if OK was pressed.
    void DefinirPilote(std::function<void(Dialogue&)> pilote) { pilote_ = std::move(pilote); }
    // Called for each journal entry as it happens.
    void DefinirObservateur(std::function<void(const EvenementInterface&)> observateur) {
        observateur_ = std::move(observateur);
    }
    const std::vector<EvenementInterface>& Journal() const { return journal_; }
    void ViderJournal() { journal_.clear(); }
    int NiveauAttente() const { return niveauAttente_; }
    int NombreAttentes() const { return nombreAttentes_; }

private:
    friend class FenetreSansEcran;
    int ExecuterModal(Dialogue& dialogue, class FenetreSansEcran& fenetre);
    void Noter(EvenementInterface evenement);

    std::function<void(Dialogue&)> pilote_;
    std::function<void(const EvenementInterface&)> observateur_;
    std::vector<EvenementInterface> journal_;
    int profondeurModale_ = 0;
    int niveauAttente_ = 0;
    int nombreAttentes_ = 0;
    std::string selection_;
};

class FenetreSansEcran : public FenetreDialogue {
public:
    FenetreSansEcran(InterfaceSansEcran& interface, Dialogue& dialogue);

    int Executer() override;
    void Terminer(int code) override;
    bool EstTerminee() const { return terminee_; }
    int CodeFin() const { return code_; }

    std::string Texte(int id) const override;
    void DefinirTexte(int id, const std::string& texte) override;
    int Coche(int id) const override;
    void DefinirCoche(int id, int etat) override;
    void Activer(int id, bool actif) override;
    bool EstActif(int id) const override;
    void DonnerFocus(int id) override { focus_ = id; }
    int Focus() const { return focus_; }
    void SelectionnerTout(int id) override;
    // True while the whole text of the edit control is selected (until it changes).
    bool ToutEstSelectionne(int id) const;

    void ListeVider(int id) override;
    void ListeAjouter(int id, const std::string& ligne) override;
    int ListeNombre(int id) const override;
    std::string ListeLigne(int id, int index) const override;
    int ListeSelection(int id) const override;
    void ListeSelectionner(int id, int index) override;
    int DebutSelection(int id) const override;

    std::string Titre() const override { return titre_; }
    void DefinirTitre(const std::string& titre) override { titre_ = titre; }
    void PremierPlan(bool auDessus) override { premierPlan_ = auDessus; }
    bool EstAuPremierPlan() const override { return premierPlan_; }
    void Relever() override { ++releves_; }
    int NombreReleves() const { return releves_; }

    // A user's actions; each returns false when the control could not take it
    // (unknown, disabled, or of the wrong kind). Nothing happens then.
    bool Cliquer(int id);              // check boxes toggle before the notification
    bool Saisir(int id, const std::string& texte);
    bool Choisir(int id, int index);   // selects a line as a user does, with the notification
    bool DoubleCliquer(int id, int position);  // caret at byte `position`, then the double-click
    bool AppuyerEntree();              // the default button
    // A shortcut pressed where the focus is; Escape not taken by the dialog ends it.
    bool AppuyerRaccourci(Raccourci raccourci);

    // The caption and main text the journal records for this window.
    std::string TextePrincipal() const;

private:
    struct Etat {
        const ControleModele* modele = nullptr;
        std::string texte;
        int coche = 0;
        bool actif = true;
        std::vector<std::string> lignes;
        int selection = -1;
        int caret = 0;
        bool toutSelectionne = false;
    };
    Etat* Trouver(int id);
    const Etat* Trouver(int id) const;

    InterfaceSansEcran& interface_;
    Dialogue& dialogue_;
    std::map<int, Etat> controles_;
    std::string titre_;
    bool premierPlan_ = false;
    int releves_ = 0;
    bool terminee_ = false;
    int code_ = ID_ANNULER;
    int focus_ = 0;
};
