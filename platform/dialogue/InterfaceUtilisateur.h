#pragma once
// The back end behind every dialog: it builds the live windows and provides
// the few desktop services the dialogs use. One is current for the process.
#include <memory>
#include <string>

class Dialogue;
class FenetreDialogue;

enum class Icone { Aucune, Information, Avertissement, Erreur, Question };

class InterfaceUtilisateur {
public:
    virtual ~InterfaceUtilisateur() = default;
    virtual std::unique_ptr<FenetreDialogue> CreerFenetre(Dialogue& dialogue) = 0;
    virtual void BoiteMessage(const std::string& titre, const std::string& texte, Icone icone) = 0;
    // Returns false when the page could not be handed to a browser.
    virtual bool OuvrirPage(const std::string& url) = 0;
    virtual void DebutAttente() = 0;
    virtual void FinAttente() = 0;
    // The text selected in any application: the primary selection, else the
    // clipboard's text; empty when neither holds text.
    virtual std::string TexteSelectionne() = 0;
};

// Null until a back end is installed; dialogs then have no window.
InterfaceUtilisateur* InterfaceCourante();
void DefinirInterface(InterfaceUtilisateur* interface);

void BoiteMessage(const std::string& titre, const std::string& texte, Icone icone);
bool OuvrirPage(const std::string& url);

// The wait cursor for the lifetime of the object; nests.
class CurseurAttente {
public:
    CurseurAttente();
    ~CurseurAttente();
    CurseurAttente(const CurseurAttente&) = delete;
    CurseurAttente& operator=(const CurseurAttente&) = delete;

private:
    InterfaceUtilisateur* interface_;
};
