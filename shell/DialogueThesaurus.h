#pragma once
// The main window: the word box, the word list in its four modes, the
// definition pane, the history, the filters and the links.
#include <string>
#include <vector>

#include "lexique/RechercheApproches.h"
#include "platform/dialogue/Dialogue.h"
#include "rendu/OptionsFiltre.h"
#include "shell/ArgumentsVocalia.h"
#include "shell/CEditDoubleClickThesaurus.h"

enum class ModeListe { Dictionnaire, Historique, RecTexte, Approches };

class DonneesVocalia;

class DialogueThesaurus : public Dialogue {
public:
    // On the default data (DonneesVocalia::ParDefaut()).
    DialogueThesaurus();
    // Every lookup of the window answers from `donnees`, not owned.
    explicit DialogueThesaurus(DonneesVocalia& donnees);

    // Building blocks of the lookup flow.
    void PasserEnMode(ModeListe mode);
    bool AfficherMot(std::string mot);
    void AfficherMotChoisi();
    bool AfficherListe(const std::vector<std::string>& mots, int selection);
    bool AfficherFenetreDictionnaire(const std::string& mot);
    void AjouterHistorique(const std::string& mot);
    bool NaviguerVers(const std::string& mot);
    void RecentrerListe();
    // After the lookups of "rechercher" found nothing: the forgiving forms
    // (capitals, accents, elisions...); the word found goes into the word
    // box, the chosen word text and the history.
    bool AfficherMotTolerant(const std::string& saisie);

    // A word to look up from outside the window: given when it opens, run
    // at the end of its initialisation...
    void DemanderAuDemarrage(const DemandeRecherche& demande) { demandeDemarrage_ = demande; }
    // ... or handed over by a later process, while it runs: the window
    // comes before the others and looks the word up as "rechercher" does.
    void RecevoirDemande(const DemandeRecherche& demande);

    // Command handlers.
    void Rechercher();
    void ChoisirDansListe();
    void Reculer();
    void Avancer();
    void MontrerHistorique();
    void EffacerHistorique();
    void ChercherPleinTexte();
    void ChercherApproches();
    void MontrerConjugaison();
    void MontrerAide();
    void BasculerToujoursVisible();
    void OuvrirConditions();
    void OuvrirArticleEnLigne();
    // The word box's text changed under the user's hands.
    void SuivreLaSaisie();

    // The options of the check boxes as they stand now.
    OptionsFiltre Options() const;

    ModeListe Mode() const { return mode_; }
    const std::string& MotChoisi() const { return motChoisi_; }
    const std::vector<std::string>& Historique() const { return historique_; }
    int IndexHistorique() const { return indexHistorique_; }
    const std::vector<std::string>& ContenuListe() const { return contenuListe_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(EchangeDonnees& echange) override;
    bool SurRaccourci(Raccourci raccourci, int focus) override;

private:
    void AssocierCommandes();
    void MettreMotDansLaBoite(const std::string& mot);
    void ActiverControles();
    void ExecuterDemande(const DemandeRecherche& demande);
    // The word a request asks for (the selection's, for --selection); empty for none.
    std::string MotDeLaDemande(const DemandeRecherche& demande) const;
    // "conjugaison" as the last display leaves it: enabled exactly for a verb.
    void DefinirEtatConjugaison(bool verbeAffiche);

    std::vector<std::string> historique_;
    int indexHistorique_ = -1;
    ModeListe mode_ = ModeListe::Dictionnaire;
    std::string motChoisi_;
    std::vector<std::string> contenuListe_;
    std::string texteMot_;
    std::string texteDefinition_;
    CEditDoubleClickThesaurus editionDefinition_;
    int cocheVilles_ = 0;
    int cocheVieilli_ = 0;
    int cocheArgot_ = 0;
    int cocheEtymologie_ = 0;
    int cocheSynonymes_ = 0;
    int cocheAntonymes_ = 0;
    int cocheFlexions_ = 0;
    int cocheDansExemples_ = 0;
    std::string texteTypeListe_;
    std::string texteMotChoisi_;
    // Made on the first approximate search, released with the window.
    RechercheApproches approches_;
    DonneesVocalia& donnees_;
    DemandeRecherche demandeDemarrage_;
    bool verbeAffiche_ = true;  // enabled at start-up, before anything is shown
};
