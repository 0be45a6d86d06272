#pragma once
// The base of every dialog: a template, a message map from (control id,
// notification) to a member handler, member <-> control data exchange, and
// access to the live controls through the current back end.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "platform/dialogue/ModeleDialogue.h"

class ControleEdition;
class EchangeDonnees;
class FenetreDialogue;

enum class Notification { Clic, SelectionChangee, TexteChange };

// Keyboard shortcuts a back end recognises and hands to the dialog.
enum class Raccourci {
    AltGauche,   // Alt+Left
    AltDroite,   // Alt+Right
    CtrlL,
    CtrlF,
    Echap,       // Escape: ends the dialog unless the dialog takes it
};

class Dialogue {
public:
    explicit Dialogue(const ModeleDialogue& modele);
    virtual ~Dialogue();
    Dialogue(const Dialogue&) = delete;
    Dialogue& operator=(const Dialogue&) = delete;

    // Builds the window, runs it modally, destroys the window; the code given to
    // Terminer (ID_OK, ID_ANNULER...), or -1 when no back end can build it.
    int LancerModal();
    // Builds the window and initialises it without a modal loop (observed use).
    bool Creer();
    void Terminer(int code);

    // Entry points for the back ends.
    void Initialiser();  // runs OnInitDialog once the controls exist
    // True when the message map had a handler; OK and Cancel end the dialog by default.
    bool Notifier(int id, Notification notification);
    // True when a subclassed control took the double-click.
    bool DoubleClic(int id);
    // True when the dialog took the shortcut, pressed while `focus` had the keyboard.
    bool Touche(Raccourci raccourci, int focus);

    const ModeleDialogue& Modele() const { return modele_; }
    FenetreDialogue* Fenetre() const { return fenetre_.get(); }

    bool MettreAJourDonnees(bool sauver);

    std::string TexteControle(int id) const;
    void DefinirTexteControle(int id, const std::string& texte);
    int CocheControle(int id) const;
    void Activer(int id, bool actif);
    bool EstActif(int id) const;
    void ActiverTout();
    void DonnerFocus(int id);
    void SelectionnerTout(int id);  // the whole text of an edit control
    void DefinirTitre(const std::string& titre);
    std::string Titre() const;
    void PremierPlan(bool auDessus);
    void Relever();

    void ListeVider(int id);
    void ListeAjouter(int id, const std::string& ligne);
    int ListeNombre(int id) const;
    std::string ListeLigne(int id, int index) const;
    int ListeSelection(int id) const;
    void ListeSelectionner(int id, int index);
    int DebutSelection(int id) const;

protected:
    virtual bool OnInitDialog();
    virtual void DoDataExchange(EchangeDonnees& echange);
    // No shortcut is taken unless a dialog says otherwise.
    virtual bool SurRaccourci(Raccourci raccourci, int focus);

    void Associer(int id, Notification notification, std::function<void()> gestionnaire);
    void SousClasser(int id, ControleEdition& controle);

private:
    ModeleDialogue modele_;
    std::unique_ptr<FenetreDialogue> fenetre_;
    std::map<std::pair<int, Notification>, std::function<void()>> gestionnaires_;
    std::map<int, ControleEdition*> sousClasses_;
};
