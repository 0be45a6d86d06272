#pragma once
// A dialog template turned into a real toolkit dialog. Template ids such as
// 47001 do not fit the toolkit's id range, so each control gets a toolkit id
// of its own and the maps below translate both ways.
#include <map>
#include <string>
#include <vector>

#include <wx/gdicmn.h>

#include "platform/dialogue/FenetreDialogue.h"
#include "platform/dialogue/ModeleDialogue.h"

class Dialogue;
class wxDialog;
class wxWindow;
class wxCommandEvent;
class wxKeyEvent;
class wxMouseEvent;
class wxSizeEvent;

class FenetreWx : public FenetreDialogue {
public:
    explicit FenetreWx(Dialogue& dialogue);
    ~FenetreWx() override;

    int Executer() override;
    void Terminer(int code) override;

    std::string Texte(int id) const override;
    void DefinirTexte(int id, const std::string& texte) override;
    int Coche(int id) const override;
    void DefinirCoche(int id, int etat) override;
    void Activer(int id, bool actif) override;
    bool EstActif(int id) const override;
    void DonnerFocus(int id) override;
    void SelectionnerTout(int id) override;

    void ListeVider(int id) override;
    void ListeAjouter(int id, const std::string& ligne) override;
    int ListeNombre(int id) const override;
    std::string ListeLigne(int id, int index) const override;
    int ListeSelection(int id) const override;
    void ListeSelectionner(int id, int index) override;
    int DebutSelection(int id) const override;

    std::string Titre() const override;
    void DefinirTitre(const std::string& titre) override;
    void PremierPlan(bool auDessus) override;
    bool EstAuPremierPlan() const override;
    void Relever() override;

private:
    struct Controle {
        const ControleModele* modele = nullptr;
        wxWindow* fenetre = nullptr;
    };
    void CreerControle(const ControleModele& modele);
    const Controle* Trouver(int id) const;
    int IdModele(int idWx) const;
    void SurCommande(wxCommandEvent& evenement);
    void SurTouche(wxKeyEvent& evenement);
    void SurDoubleClic(int id, wxMouseEvent& evenement);
    void Sonder(int id) const;
    void SurTaille(wxSizeEvent& evenement);
    void SonderTailles() const;
    void RetablirGeometrie();
    void RetenirGeometrie() const;

    Dialogue& dialogue_;
    wxDialog* dialog_ = nullptr;
    std::map<int, Controle> controles_;  // by template id
    std::map<int, int> idsModele_;       // toolkit id -> template id
    // A control that follows the window's edges: its place in the template's layout.
    struct Ancre {
        wxWindow* fenetre = nullptr;
        wxRect initial;
        unsigned ancrage = 0;
        int id = 0;
    };
    std::vector<Ancre> ancres_;
    wxSize tailleModele_;
    int boutonDefaut_ = 0;
    int codeFin_ = ID_ANNULER;
};
