#pragma once
// The main window: the word box, the word list in its four modes, the
// definition pane, the history, the filters and the links.
#include <string>
#include <vector>

#include "lexique/RechercheApproches.h"
#include "platform/dialogue/Dialogue.h"
#include "rendu/OptionsFiltre.h"
#include "shell/CEditDoubleClickThesaurus.h"

enum class ModeListe { Dictionnaire, Historique, RecTexte, Approches };

class DialogueThesaurus : public Dialogue {
public:
    DialogueThesaurus();

    // Building blocks of the lookup flow.
    void PasserEnMode(ModeListe mode);
    bool AfficherMot(std::string mot);
    void AfficherMotChoisi();
    bool AfficherListe(const std::vector<std::string>& mots, int selection);
    bool AfficherFenetreDictionnaire(const std::string& mot);
    void AjouterHistorique(const std::string& mot);
    bool NaviguerVers(const std::string& mot);
    void RecentrerListe();

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
};
