#pragma once
// The toolkit back end: real dialogs on the desktop.
#include "platform/dialogue/InterfaceUtilisateur.h"

// Starts the toolkit; false when it cannot (no display, for instance).
bool DemarrerWx(int& argc, char** argv);
void ArreterWx();

class InterfaceWx : public InterfaceUtilisateur {
public:
    std::unique_ptr<FenetreDialogue> CreerFenetre(Dialogue& dialogue) override;
    void BoiteMessage(const std::string& titre, const std::string& texte, Icone icone) override;
    bool OuvrirPage(const std::string& url) override;
    void DebutAttente() override;
    void FinAttente() override;
};
