#include "shell/DialogueThesaurus.h"

#include <utility>

#include "conjugation/fenetre/ZephJugaison.h"
#include "data/Dictionnaire.h"
#include "data/IndexFlexions.h"
#include "lexique/DonneesVocalia.h"
#include "platform/dialogue/EchangeDonnees.h"
#include "platform/dialogue/InterfaceUtilisateur.h"
#include "rendu/RechercheTolerante.h"
#include "rendu/RenduArticle.h"
#include "rendu/VoisinageSaisie.h"
#include "shell/DialogueAideThesaurus.h"
#include "shell/Identifiants.h"
#include "shell/ModelesDialogues.h"
#include "shell/MotDeLaSelection.h"
#include "shell/SourcesDonnees.h"
#include "shell/VerbeDeLaSaisie.h"
#include "text/Transformations.h"

namespace {
constexpr int MOTS_APRES = 30;
constexpr int MOTS_AVANT = 20;
// The dictionary list is rebuilt when the selection comes this close to either end.
constexpr int MARGE_RECENTRAGE = 5;

const char* TexteDuMode(ModeListe mode) {
    switch (mode) {
        case ModeListe::Dictionnaire: return "Dictionnaire";
        case ModeListe::Historique: return "Historique";
        case ModeListe::RecTexte: return "Rec. texte";
        case ModeListe::Approches: return "Approch\xE9s";
    }
    return "";
}
}  // namespace

DialogueThesaurus::DialogueThesaurus() : DialogueThesaurus(DonneesVocalia::ParDefaut()) {}

DialogueThesaurus::DialogueThesaurus(DonneesVocalia& donnees)
    : Dialogue(ModeleThesaurus()), approches_(donnees.Approches()), donnees_(donnees) {
    AssocierCommandes();
}

void DialogueThesaurus::AssocierCommandes() {
    Associer(IDC_RECHERCHER, Notification::Clic, [this] { Rechercher(); });
    Associer(IDC_MOT, Notification::TexteChange, [this] { SuivreLaSaisie(); });
    Associer(IDC_LISTE, Notification::SelectionChangee, [this] { ChoisirDansListe(); });
    Associer(IDC_RECULER, Notification::Clic, [this] { Reculer(); });
    Associer(IDC_AVANCER, Notification::Clic, [this] { Avancer(); });
    Associer(IDC_HISTORIQUE, Notification::Clic, [this] { MontrerHistorique(); });
    Associer(IDC_EFFACER, Notification::Clic, [this] { EffacerHistorique(); });
    Associer(IDC_PLEIN_TEXTE, Notification::Clic, [this] { ChercherPleinTexte(); });
    Associer(IDC_APPROCHES, Notification::Clic, [this] { ChercherApproches(); });
    for (int id : {IDC_VIEILLI, IDC_VILLES, IDC_ARGOT, IDC_ETYMOLOGIE, IDC_SYNONYMES, IDC_ANTONYMES, IDC_FLEXIONS})
        Associer(id, Notification::Clic, [this] { AfficherMotChoisi(); });
    Associer(IDC_CONJUGAISON, Notification::Clic, [this] { MontrerConjugaison(); });
    Associer(IDC_AIDE, Notification::Clic, [this] { MontrerAide(); });
    Associer(IDC_TOUJOURS_VISIBLE, Notification::Clic, [this] { BasculerToujoursVisible(); });
    Associer(IDC_LIEN_CONDITIONS, Notification::Clic, [this] { OuvrirConditions(); });
    Associer(IDC_LIEN_ARTICLE, Notification::Clic, [this] { OuvrirArticleEnLigne(); });
}

void DialogueThesaurus::DoDataExchange(EchangeDonnees& dx) {
    dx.Texte(IDC_MOT, texteMot_);
    dx.Texte(IDC_DEFINITION, texteDefinition_);
    dx.Texte(IDC_TYPE_LISTE, texteTypeListe_);
    dx.Texte(IDC_MOT_CHOISI, texteMotChoisi_);
    dx.Coche(IDC_VILLES, cocheVilles_);
    dx.Coche(IDC_VIEILLI, cocheVieilli_);
    dx.Coche(IDC_ARGOT, cocheArgot_);
    dx.Coche(IDC_ETYMOLOGIE, cocheEtymologie_);
    dx.Coche(IDC_SYNONYMES, cocheSynonymes_);
    dx.Coche(IDC_ANTONYMES, cocheAntonymes_);
    dx.Coche(IDC_FLEXIONS, cocheFlexions_);
    dx.Coche(IDC_DANS_EXEMPLES, cocheDansExemples_);
}

bool DialogueThesaurus::OnInitDialog() {
    Dialogue::OnInitDialog();
    DefinirTitre("Vocalia +");
    ActiverControles();
    PasserEnMode(ModeListe::Dictionnaire);
    SousClasser(IDC_DEFINITION, editionDefinition_);
    editionDefinition_.DefinirProprietaire(this);
    DonnerFocus(IDC_MOT);
    // Once: a window initialised again must not go back to it.
    ExecuterDemande(std::exchange(demandeDemarrage_, DemandeRecherche{}));
    return false;  // the focus is set
}

// Read from the controls themselves, so that a box ticked while no word is
// shown still counts at the next list update.
OptionsFiltre DialogueThesaurus::Options() const {
    OptionsFiltre o;
    o.TypesExclus["villeshabitants"] = CocheControle(IDC_VILLES) != 0;
    o.TypesExclus["vieilli"] = CocheControle(IDC_VIEILLI) != 0;
    o.TypesExclus["argot"] = CocheControle(IDC_ARGOT) != 0;
    o.DetailsInclus["flexions"] = CocheControle(IDC_FLEXIONS) != 0;
    o.DetailsInclus["etymologie"] = CocheControle(IDC_ETYMOLOGIE) != 0;
    o.DetailsInclus["synonymes"] = CocheControle(IDC_SYNONYMES) != 0;
    o.DetailsInclus["antonymes"] = CocheControle(IDC_ANTONYMES) != 0;
    return o;
}

void DialogueThesaurus::PasserEnMode(ModeListe mode) {
    MettreAJourDonnees(true);
    mode_ = mode;
    texteTypeListe_ = TexteDuMode(mode);
    MettreAJourDonnees(false);
    Activer(IDC_EFFACER, mode == ModeListe::Historique);
}

// Every control, "conjugaison" included; "effacer" keeps its state, which
// only the list mode decides.
void DialogueThesaurus::ActiverControles() {
    const bool effacer = EstActif(IDC_EFFACER);
    ActiverTout();
    Activer(IDC_EFFACER, effacer);
}

void DialogueThesaurus::MettreMotDansLaBoite(const std::string& mot) {
    MettreAJourDonnees(true);
    texteMot_ = mot;
    MettreAJourDonnees(false);
}

bool DialogueThesaurus::AfficherMot(std::string mot) {
    MettreAJourDonnees(true);
    if (mot.empty()) {
        texteDefinition_.clear();
        texteMotChoisi_.clear();
        MettreAJourDonnees(false);
        DefinirEtatConjugaison(false);
        return true;
    }
    std::vector<Article> articles = donnees_.Dictionnaire().TrouverArticles(mot);
    if (articles.empty()) articles = donnees_.Dictionnaire().TrouverArticlesSequentiel(mot);
    const OptionsFiltre options = Options();
    articles = FiltrerArticles(articles, options.TypesExclus);
    if (articles.empty()) {
        DefinirEtatConjugaison(false);
        return false;
    }
    const TexteRendu rendu = TexteDuMot(articles, options);
    motChoisi_ = mot;
    texteDefinition_ = rendu.texte;
    texteMotChoisi_ = mot;
    MettreAJourDonnees(false);
    DefinirEtatConjugaison(rendu.verbe);
    return true;
}

// No fallback and no article filter here: an article whose senses are all
// hidden still shows its category line and details.
void DialogueThesaurus::AfficherMotChoisi() {
    if (motChoisi_.empty()) return;
    MettreAJourDonnees(true);
    const TexteRendu rendu = TexteDuMot(donnees_.Dictionnaire().TrouverArticles(motChoisi_), Options());
    texteDefinition_ = rendu.texte;
    texteMotChoisi_ = motChoisi_;
    MettreAJourDonnees(false);
    DefinirEtatConjugaison(rendu.verbe);
}

bool DialogueThesaurus::AfficherListe(const std::vector<std::string>& mots, int selection) {
    if (mots.empty() || selection < 0 || selection >= static_cast<int>(mots.size())) return false;
    const std::string retenu = mots[static_cast<std::size_t>(selection)];
    const std::vector<std::string> filtres = FiltrerMots(donnees_.Dictionnaire(), mots, Options().TypesExclus);
    if (filtres != contenuListe_) {
        ListeVider(IDC_LISTE);
        for (const std::string& m : filtres) ListeAjouter(IDC_LISTE, m);
        contenuListe_ = filtres;
    }
    int ligne = selection;
    for (std::size_t i = 0; i < filtres.size(); ++i) {
        if (filtres[i] == retenu) {
            ligne = static_cast<int>(i);
            break;
        }
    }
    // The line is checked rather than the requested index: after filtering
    // the remembered word can sit on a line below an index the list no longer has.
    if (ligne < ListeNombre(IDC_LISTE)) ListeSelectionner(IDC_LISTE, ligne);
    return true;
}

bool DialogueThesaurus::AfficherFenetreDictionnaire(const std::string& mot) {
    if (mot.empty()) return false;
    const FenetreListe fenetre = donnees_.Dictionnaire().FenetreMots(mot, MOTS_APRES, MOTS_AVANT);
    return AfficherListe(fenetre.mots, fenetre.selection);
}

// The index always ends on the word just looked up, even when that word is
// already the last entry: left behind, the next "<=" would skip a word.
void DialogueThesaurus::AjouterHistorique(const std::string& mot) {
    if (historique_.empty() || historique_.back() != mot) historique_.push_back(mot);
    indexHistorique_ = static_cast<int>(historique_.size()) - 1;
}

bool DialogueThesaurus::NaviguerVers(const std::string& mot) {
    const std::optional<std::string> resolu = ResoudreMot(donnees_.Dictionnaire(), donnees_.Flexions(), mot);
    if (!resolu) return false;
    MettreMotDansLaBoite(*resolu);
    AfficherMot(*resolu);
    AfficherFenetreDictionnaire(*resolu);
    if (mode_ != ModeListe::Historique) AjouterHistorique(*resolu);
    return true;
}

void DialogueThesaurus::RecentrerListe() {
    const int selection = ListeSelection(IDC_LISTE);
    if (selection < 0) return;
    const std::string texte = Elaguer(ListeLigne(IDC_LISTE, selection));
    const int nombre = static_cast<int>(contenuListe_.size());
    if (selection < MARGE_RECENTRAGE || (nombre > 0 && selection >= nombre - MARGE_RECENTRAGE)) {
        const FenetreListe fenetre = donnees_.Dictionnaire().FenetreMots(texte, MOTS_APRES, MOTS_AVANT);
        AfficherListe(fenetre.mots, fenetre.selection);
    }
}

void DialogueThesaurus::Rechercher() {
    MettreAJourDonnees(true);
    const std::string mot = texteMot_;
    PasserEnMode(ModeListe::Dictionnaire);
    if (AfficherMot(mot)) {
        AfficherFenetreDictionnaire(mot);
        AjouterHistorique(mot);
        return;
    }
    const std::optional<std::vector<std::string>> lemmes = donnees_.Flexions().Lemmes(mot);
    if (lemmes && !lemmes->empty() && AfficherMot(lemmes->front())) return;
    AfficherMotTolerant(mot);
}

bool DialogueThesaurus::AfficherMotTolerant(const std::string& saisie) {
    const std::vector<MotAffiche> trouves = RechercherTolerant(donnees_.Articles(), saisie, Options().TypesExclus);
    if (trouves.empty()) return false;
    const std::string mot = trouves.front().mot;
    if (!AfficherMot(mot)) return false;
    MettreMotDansLaBoite(mot);
    AfficherFenetreDictionnaire(mot);
    AjouterHistorique(mot);
    return true;
}

void DialogueThesaurus::DefinirEtatConjugaison(bool verbeAffiche) {
    verbeAffiche_ = verbeAffiche;
    Activer(IDC_CONJUGAISON, verbeAffiche);
}

// A verb typed can be conjugated at once, whatever is shown. Only the
// dictionary list follows the typing: the history and the results of a
// search stay until the user asks for something else. The article shown
// does not change before Enter or a click.
void DialogueThesaurus::SuivreLaSaisie() {
    MettreAJourDonnees(true);
    Activer(IDC_CONJUGAISON, verbeAffiche_ || SaisieDonneUnVerbe(donnees_.Articles(), texteMot_));
    if (mode_ != ModeListe::Dictionnaire) return;
    const FenetreListe fenetre = FenetreDeLaSaisie(donnees_.Dictionnaire(), texteMot_, MOTS_APRES, MOTS_AVANT);
    AfficherListe(fenetre.mots, fenetre.selection);
}

std::string DialogueThesaurus::MotDeLaDemande(const DemandeRecherche& demande) const {
    switch (demande.type) {
        case DemandeRecherche::Type::Aucune: return {};
        case DemandeRecherche::Type::Mot: return demande.mot;
        case DemandeRecherche::Type::Selection: {
            InterfaceUtilisateur* interface = InterfaceCourante();
            return MotDeLaSelection(donnees_.Articles(), interface ? interface->TexteSelectionne() : std::string(), Options().TypesExclus);
        }
    }
    return {};
}

// Nothing selected, or the window alone asked for: it only shows itself.
void DialogueThesaurus::ExecuterDemande(const DemandeRecherche& demande) {
    const std::string mot = MotDeLaDemande(demande);
    if (mot.empty()) return;
    MettreMotDansLaBoite(mot);
    Rechercher();
}

// The selection is read before the window comes forward: the focus given to
// the word box selects its text, which then becomes the selection.
void DialogueThesaurus::RecevoirDemande(const DemandeRecherche& demande) {
    const std::string mot = MotDeLaDemande(demande);
    Relever();
    if (mot.empty()) return;
    MettreMotDansLaBoite(mot);
    Rechercher();
}

void DialogueThesaurus::ChoisirDansListe() {
    const int selection = ListeSelection(IDC_LISTE);
    if (selection >= 0) {
        const std::optional<std::string> resolu = ResoudreMot(donnees_.Dictionnaire(), donnees_.Flexions(), ListeLigne(IDC_LISTE, selection));
        if (resolu) {
            MettreMotDansLaBoite(*resolu);
            AfficherMot(*resolu);
            if (mode_ != ModeListe::Historique) AjouterHistorique(*resolu);
        }
    }
    if (mode_ == ModeListe::Dictionnaire) RecentrerListe();
}

void DialogueThesaurus::Reculer() {
    if (indexHistorique_ < 1) return;
    --indexHistorique_;
    const std::string mot = historique_[static_cast<std::size_t>(indexHistorique_)];
    MettreMotDansLaBoite(mot);
    AfficherMot(mot);
}

void DialogueThesaurus::Avancer() {
    if (indexHistorique_ >= static_cast<int>(historique_.size()) - 1) return;
    ++indexHistorique_;
    const std::string mot = historique_[static_cast<std::size_t>(indexHistorique_)];
    MettreMotDansLaBoite(mot);
    AfficherMot(mot);
}

void DialogueThesaurus::MontrerHistorique() {
    AfficherListe(historique_, indexHistorique_);
    PasserEnMode(ModeListe::Historique);
}

void DialogueThesaurus::EffacerHistorique() {
    historique_.clear();
    indexHistorique_ = -1;
    ListeVider(IDC_LISTE);
    contenuListe_.clear();
}

void DialogueThesaurus::ChercherPleinTexte() {
    CurseurAttente attente;
    MettreAJourDonnees(true);
    const std::string mot = texteMot_;
    if (mot.empty()) return;
    const std::vector<std::string> resultats = RechercherPleinTexte(mot, cocheDansExemples_ != 0);
    PasserEnMode(ModeListe::RecTexte);
    AfficherListe(resultats, 0);
    AfficherMot(std::string());
}

// ChercherApproches is in ChercherApproches.cpp.

// The verb typed comes first: the button is enabled at start-up, before
// anything is shown.
void DialogueThesaurus::MontrerConjugaison() {
    MettreAJourDonnees(true);
    ZephJugaison(VerbeDeLaSaisie(donnees_.Articles(), texteMot_, motChoisi_));
}

void DialogueThesaurus::MontrerAide() {
    DialogueAideThesaurus aide;
    aide.texteEntete = EnteteAide(donnees_.Dictionnaire().Etiquette());
    aide.LancerModal();
    DefinirTitre("Vocalia +");
    ActiverControles();
}

// Alt+Left and Alt+Right walk the history, Ctrl+L goes to the word box with
// its text selected, Ctrl+F searches the definitions for the word box's
// text, and Escape in a word box that holds text empties it (an empty one
// lets Escape close the window, as everywhere else).
bool DialogueThesaurus::SurRaccourci(Raccourci raccourci, int focus) {
    switch (raccourci) {
        case Raccourci::AltGauche:
            Reculer();
            return true;
        case Raccourci::AltDroite:
            Avancer();
            return true;
        case Raccourci::CtrlL:
            DonnerFocus(IDC_MOT);
            SelectionnerTout(IDC_MOT);
            return true;
        case Raccourci::CtrlF:
            ChercherPleinTexte();
            return true;
        case Raccourci::Echap:
            if (focus != IDC_MOT || TexteControle(IDC_MOT).empty()) return false;
            MettreMotDansLaBoite(std::string());
            return true;
    }
    return false;
}

void DialogueThesaurus::BasculerToujoursVisible() { PremierPlan(CocheControle(IDC_TOUJOURS_VISIBLE) != 0); }

void DialogueThesaurus::OuvrirConditions() { OuvrirPage(AdressePageLicences()); }

void DialogueThesaurus::OuvrirArticleEnLigne() {
    const int selection = ListeSelection(IDC_LISTE);
    const std::string mot = selection < 0 ? std::string() : Elaguer(ListeLigne(IDC_LISTE, selection));
    OuvrirPage(AdresseArticleEnLigne(mot));
}
