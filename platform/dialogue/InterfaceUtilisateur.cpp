#include "platform/dialogue/InterfaceUtilisateur.h"

namespace {
InterfaceUtilisateur* courante = nullptr;
}

InterfaceUtilisateur* InterfaceCourante() { return courante; }

void DefinirInterface(InterfaceUtilisateur* interface) { courante = interface; }

void BoiteMessage(const std::string& titre, const std::string& texte, Icone icone) {
    if (courante) courante->BoiteMessage(titre, texte, icone);
}

bool OuvrirPage(const std::string& url) { return courante && courante->OuvrirPage(url); }

// The back end is remembered so that a cursor shown by one is restored by it.
CurseurAttente::CurseurAttente() : interface_(courante) {
    if (interface_) interface_->DebutAttente();
}

CurseurAttente::~CurseurAttente() {
    if (interface_) interface_->FinAttente();
}
