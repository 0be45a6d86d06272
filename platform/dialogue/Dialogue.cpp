#include "platform/dialogue/Dialogue.h"

#include "platform/dialogue/ControleEdition.h"
#include "platform/dialogue/EchangeDonnees.h"
#include "platform/dialogue/FenetreDialogue.h"
#include "platform/dialogue/InterfaceUtilisateur.h"

Dialogue::Dialogue(const ModeleDialogue& modele) : modele_(modele) {}

Dialogue::~Dialogue() = default;

int Dialogue::LancerModal() {
    InterfaceUtilisateur* interface = InterfaceCourante();
    if (!interface) return -1;
    fenetre_ = interface->CreerFenetre(*this);
    if (!fenetre_) return -1;
    const int code = fenetre_->Executer();
    fenetre_.reset();
    return code;
}

bool Dialogue::Creer() {
    InterfaceUtilisateur* interface = InterfaceCourante();
    if (!interface) return false;
    fenetre_ = interface->CreerFenetre(*this);
    if (!fenetre_) return false;
    Initialiser();
    return true;
}

void Dialogue::Terminer(int code) {
    if (fenetre_) fenetre_->Terminer(code);
}

void Dialogue::Initialiser() { OnInitDialog(); }

bool Dialogue::OnInitDialog() {
    MettreAJourDonnees(false);
    return true;
}

void Dialogue::DoDataExchange(EchangeDonnees&) {}

bool Dialogue::Notifier(int id, Notification notification) {
    auto trouve = gestionnaires_.find({id, notification});
    if (trouve != gestionnaires_.end()) {
        // A copy: the handler may replace the map entry while it runs.
        std::function<void()> gestionnaire = trouve->second;
        gestionnaire();
        return true;
    }
    if (notification == Notification::Clic && (id == ID_OK || id == ID_ANNULER)) {
        if (id == ID_OK) MettreAJourDonnees(true);
        Terminer(id);
        return true;
    }
    return false;
}

bool Dialogue::Touche(Raccourci raccourci, int focus) { return SurRaccourci(raccourci, focus); }

bool Dialogue::SurRaccourci(Raccourci, int) { return false; }

bool Dialogue::DoubleClic(int id) {
    auto trouve = sousClasses_.find(id);
    return trouve != sousClasses_.end() && trouve->second->SurDoubleClic();
}

void Dialogue::Associer(int id, Notification notification, std::function<void()> gestionnaire) {
    gestionnaires_[{id, notification}] = std::move(gestionnaire);
}

void Dialogue::SousClasser(int id, ControleEdition& controle) {
    controle.Attacher(*this, id);
    sousClasses_[id] = &controle;
}

bool Dialogue::MettreAJourDonnees(bool sauver) {
    if (!fenetre_) return false;
    EchangeDonnees echange(*fenetre_, sauver);
    DoDataExchange(echange);
    return true;
}

std::string Dialogue::TexteControle(int id) const { return fenetre_ ? fenetre_->Texte(id) : std::string(); }

void Dialogue::DefinirTexteControle(int id, const std::string& texte) {
    if (fenetre_) fenetre_->DefinirTexte(id, texte);
}

int Dialogue::CocheControle(int id) const { return fenetre_ ? fenetre_->Coche(id) : 0; }

void Dialogue::Activer(int id, bool actif) {
    if (fenetre_) fenetre_->Activer(id, actif);
}

bool Dialogue::EstActif(int id) const { return fenetre_ && fenetre_->EstActif(id); }

void Dialogue::ActiverTout() {
    for (const ControleModele& c : modele_.controles)
        if (c.id != ID_STATIQUE) Activer(c.id, true);
}

void Dialogue::DonnerFocus(int id) {
    if (fenetre_) fenetre_->DonnerFocus(id);
}

void Dialogue::SelectionnerTout(int id) {
    if (fenetre_) fenetre_->SelectionnerTout(id);
}

void Dialogue::DefinirTitre(const std::string& titre) {
    if (fenetre_) fenetre_->DefinirTitre(titre);
}

std::string Dialogue::Titre() const { return fenetre_ ? fenetre_->Titre() : std::string(); }

void Dialogue::PremierPlan(bool auDessus) {
    if (fenetre_) fenetre_->PremierPlan(auDessus);
}

void Dialogue::Relever() {
    if (fenetre_) fenetre_->Relever();
}

void Dialogue::ListeVider(int id) {
    if (fenetre_) fenetre_->ListeVider(id);
}

void Dialogue::ListeAjouter(int id, const std::string& ligne) {
    if (fenetre_) fenetre_->ListeAjouter(id, ligne);
}

int Dialogue::ListeNombre(int id) const { return fenetre_ ? fenetre_->ListeNombre(id) : 0; }

std::string Dialogue::ListeLigne(int id, int index) const {
    return fenetre_ ? fenetre_->ListeLigne(id, index) : std::string();
}

int Dialogue::ListeSelection(int id) const { return fenetre_ ? fenetre_->ListeSelection(id) : -1; }

void Dialogue::ListeSelectionner(int id, int index) {
    if (fenetre_) fenetre_->ListeSelectionner(id, index);
}

int Dialogue::DebutSelection(int id) const { return fenetre_ ? fenetre_->DebutSelection(id) : -1; }
