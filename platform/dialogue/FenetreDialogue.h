#pragma once
// What a back end does for one live dialog. Control ids are the template's;
// every text is Windows-1252. Operations on an unknown id do nothing and
// read as empty, so a dialog never depends on a back end's error handling.
#include <string>

class FenetreDialogue {
public:
    virtual ~FenetreDialogue() = default;

    // Runs the modal loop: initialises the dialog, then returns the code given to Terminer.
    virtual int Executer() = 0;
    virtual void Terminer(int code) = 0;

    virtual std::string Texte(int id) const = 0;
    virtual void DefinirTexte(int id, const std::string& texte) = 0;
    virtual int Coche(int id) const = 0;
    virtual void DefinirCoche(int id, int etat) = 0;
    virtual void Activer(int id, bool actif) = 0;
    virtual bool EstActif(int id) const = 0;
    virtual void DonnerFocus(int id) = 0;
    virtual void SelectionnerTout(int id) = 0;  // an edit control's whole text

    virtual void ListeVider(int id) = 0;
    virtual void ListeAjouter(int id, const std::string& ligne) = 0;
    virtual int ListeNombre(int id) const = 0;
    virtual std::string ListeLigne(int id, int index) const = 0;
    virtual int ListeSelection(int id) const = 0;  // -1 when none
    // Selects without sending a selection notification; -1 clears the selection.
    virtual void ListeSelectionner(int id, int index) = 0;

    // Byte offset of the selection start (the caret) in Texte(id).
    virtual int DebutSelection(int id) const = 0;

    virtual std::string Titre() const = 0;
    virtual void DefinirTitre(const std::string& titre) = 0;
    virtual void PremierPlan(bool auDessus) = 0;
    // Brings the window before the others, out of its icon, with the keyboard.
    virtual void Relever() = 0;
    virtual bool EstAuPremierPlan() const = 0;
};
