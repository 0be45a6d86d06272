#include "platform/dialogue/SansEcran.h"

#include "platform/dialogue/Dialogue.h"

std::unique_ptr<FenetreDialogue> InterfaceSansEcran::CreerFenetre(Dialogue& dialogue) {
    return std::make_unique<FenetreSansEcran>(*this, dialogue);
}

void InterfaceSansEcran::BoiteMessage(const std::string& titre, const std::string& texte, Icone icone) {
    Noter({EvenementInterface::Type::Message, titre, texte, icone});
}

bool InterfaceSansEcran::OuvrirPage(const std::string& url) {
    Noter({EvenementInterface::Type::Page, url, std::string(), Icone::Aucune});
    return true;
}

void InterfaceSansEcran::DebutAttente() {
    ++niveauAttente_;
    ++nombreAttentes_;
}

void InterfaceSansEcran::FinAttente() {
    if (niveauAttente_ > 0) --niveauAttente_;
}

void InterfaceSansEcran::Noter(EvenementInterface evenement) {
    journal_.push_back(evenement);
    if (observateur_) observateur_(journal_.back());
}

int InterfaceSansEcran::ExecuterModal(Dialogue& dialogue, FenetreSansEcran& fenetre) {
    ++profondeurModale_;
    dialogue.Initialiser();
    if (profondeurModale_ == 1 && pilote_) {
        pilote_(dialogue);
    } else {
        Noter({EvenementInterface::Type::Fenetre, fenetre.Titre(), fenetre.TextePrincipal(), Icone::Aucune});
        if (!fenetre.EstTerminee()) dialogue.Notifier(ID_OK, Notification::Clic);
    }
    --profondeurModale_;
    return fenetre.EstTerminee() ? fenetre.CodeFin() : ID_ANNULER;
}

FenetreSansEcran::FenetreSansEcran(InterfaceSansEcran& interface, Dialogue& dialogue)
    : interface_(interface), dialogue_(dialogue), titre_(dialogue.Modele().titre) {
    for (const ControleModele& c : dialogue.Modele().controles) {
        if (c.id == ID_STATIQUE) continue;
        Etat& etat = controles_[c.id];
        etat.modele = &c;
        etat.texte = c.texte;
    }
}

int FenetreSansEcran::Executer() { return interface_.ExecuterModal(dialogue_, *this); }

void FenetreSansEcran::Terminer(int code) {
    terminee_ = true;
    code_ = code;
}

FenetreSansEcran::Etat* FenetreSansEcran::Trouver(int id) {
    auto trouve = controles_.find(id);
    return trouve == controles_.end() ? nullptr : &trouve->second;
}

const FenetreSansEcran::Etat* FenetreSansEcran::Trouver(int id) const {
    auto trouve = controles_.find(id);
    return trouve == controles_.end() ? nullptr : &trouve->second;
}

std::string FenetreSansEcran::Texte(int id) const {
    const Etat* e = Trouver(id);
    return e ? e->texte : std::string();
}

void FenetreSansEcran::DefinirTexte(int id, const std::string& texte) {
    if (Etat* e = Trouver(id)) {
        e->texte = texte;
        e->caret = 0;
        e->toutSelectionne = false;
    }
}

void FenetreSansEcran::SelectionnerTout(int id) {
    Etat* e = Trouver(id);
    if (e && e->modele->type == TypeControle::Edition) e->toutSelectionne = true;
}

bool FenetreSansEcran::ToutEstSelectionne(int id) const {
    const Etat* e = Trouver(id);
    return e && e->toutSelectionne;
}

int FenetreSansEcran::Coche(int id) const {
    const Etat* e = Trouver(id);
    return e ? e->coche : 0;
}

void FenetreSansEcran::DefinirCoche(int id, int etat) {
    if (Etat* e = Trouver(id)) e->coche = etat;
}

void FenetreSansEcran::Activer(int id, bool actif) {
    if (Etat* e = Trouver(id)) e->actif = actif;
}

bool FenetreSansEcran::EstActif(int id) const {
    const Etat* e = Trouver(id);
    return e && e->actif;
}

void FenetreSansEcran::ListeVider(int id) {
    if (Etat* e = Trouver(id)) {
        e->lignes.clear();
        e->selection = -1;
    }
}

void FenetreSansEcran::ListeAjouter(int id, const std::string& ligne) {
    if (Etat* e = Trouver(id)) e->lignes.push_back(ligne);
}

int FenetreSansEcran::ListeNombre(int id) const {
    const Etat* e = Trouver(id);
    return e ? static_cast<int>(e->lignes.size()) : 0;
}

std::string FenetreSansEcran::ListeLigne(int id, int index) const {
    const Etat* e = Trouver(id);
    if (!e || index < 0 || index >= static_cast<int>(e->lignes.size())) return std::string();
    return e->lignes[static_cast<std::size_t>(index)];
}

int FenetreSansEcran::ListeSelection(int id) const {
    const Etat* e = Trouver(id);
    return e ? e->selection : -1;
}

void FenetreSansEcran::ListeSelectionner(int id, int index) {
    Etat* e = Trouver(id);
    if (!e) return;
    e->selection = (index >= 0 && index < static_cast<int>(e->lignes.size())) ? index : -1;
}

int FenetreSansEcran::DebutSelection(int id) const {
    const Etat* e = Trouver(id);
    return e ? e->caret : -1;
}

bool FenetreSansEcran::Cliquer(int id) {
    Etat* e = Trouver(id);
    if (!e || !e->actif) return false;
    switch (e->modele->type) {
        case TypeControle::CaseACocher:
            e->coche = e->coche ? 0 : 1;
            break;
        case TypeControle::Bouton:
            break;
        case TypeControle::Statique:
            if (!(e->modele->styles & STYLE_NOTIFIE)) return false;
            break;
        default:
            return false;
    }
    dialogue_.Notifier(id, Notification::Clic);
    return true;
}

bool FenetreSansEcran::Saisir(int id, const std::string& texte) {
    Etat* e = Trouver(id);
    if (!e || !e->actif || e->modele->type != TypeControle::Edition) return false;
    if (e->modele->styles & STYLE_LECTURE_SEULE) return false;
    e->texte = texte;
    e->caret = static_cast<int>(texte.size());
    e->toutSelectionne = false;
    dialogue_.Notifier(id, Notification::TexteChange);
    return true;
}

bool FenetreSansEcran::Choisir(int id, int index) {
    Etat* e = Trouver(id);
    if (!e || !e->actif || e->modele->type != TypeControle::Liste) return false;
    if (index < 0 || index >= static_cast<int>(e->lignes.size())) return false;
    e->selection = index;
    if (e->modele->styles & STYLE_NOTIFIE) dialogue_.Notifier(id, Notification::SelectionChangee);
    return true;
}

bool FenetreSansEcran::DoubleCliquer(int id, int position) {
    Etat* e = Trouver(id);
    if (!e || !e->actif || e->modele->type != TypeControle::Edition) return false;
    if (position < 0 || position > static_cast<int>(e->texte.size())) return false;
    e->caret = position;
    dialogue_.DoubleClic(id);
    return true;
}

bool FenetreSansEcran::AppuyerRaccourci(Raccourci raccourci) {
    if (dialogue_.Touche(raccourci, focus_)) return true;
    if (raccourci != Raccourci::Echap) return false;
    dialogue_.Notifier(ID_ANNULER, Notification::Clic);
    return true;
}

bool FenetreSansEcran::AppuyerEntree() {
    for (const ControleModele& c : dialogue_.Modele().controles)
        if (c.type == TypeControle::Bouton && (c.styles & STYLE_BOUTON_DEFAUT)) return Cliquer(c.id);
    return false;
}

std::string FenetreSansEcran::TextePrincipal() const {
    const ModeleDialogue& modele = dialogue_.Modele();
    if (modele.controlePrincipal != 0) return Texte(modele.controlePrincipal);
    std::string texte;
    for (const ControleModele& c : modele.controles) {
        if (c.type != TypeControle::Statique) continue;
        if (!texte.empty()) texte += '\n';
        texte += c.id == ID_STATIQUE ? c.texte : Texte(c.id);
    }
    return texte;
}
