#pragma once
// The toolkit back end: real dialogs on the desktop.
#include <functional>
#include <memory>
#include <string>

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
    std::string TexteSelectionne() override;
};

// Runs `action` from the toolkit's event loop once the current event is
// done: for work that must not run inside a descriptor's callback (reading
// the selection waits on the loop itself).
void Differer(std::function<void()> action);

// Calls `lecteur` on the toolkit's thread whenever `descripteur` can be
// read, in the main loop and in every modal one, until the object ends.
class SurveillanceDescripteur {
public:
    SurveillanceDescripteur(int descripteur, std::function<void()> lecteur);
    ~SurveillanceDescripteur();
    SurveillanceDescripteur(const SurveillanceDescripteur&) = delete;
    SurveillanceDescripteur& operator=(const SurveillanceDescripteur&) = delete;
    bool Active() const { return source_ != nullptr; }

private:
    class Gestionnaire;
    std::unique_ptr<Gestionnaire> gestionnaire_;
    class wxEventLoopSource* source_ = nullptr;
};
