#include "conjugation/fenetre/TableauConjugaison.h"

#include "platform/dialogue/EchangeDonnees.h"

ModeleDialogue ModeleTableauConjugaison() {
    ModeleDialogue m;
    m.id = IDD_TABLEAU_CONJUGAISON;
    m.titre = "Zeph - Tableau de Conjugaison";  // always replaced by the verb's title
    m.largeur = 610;
    m.hauteur = 390;
    m.policeFixe = true;
    m.controlePrincipal = IDC_TEXTE_CONJUGAISON;
    m.controles = {
        {ID_OK, TypeControle::Bouton, "OK", 279, 369, 50, 14, STYLE_BOUTON_DEFAUT},
        {ID_STATIQUE, TypeControle::Statique, "d'apr\xE8s verbiste", 354, 373, 84, 10, STYLE_AUCUN},
        {IDC_TEXTE_CONJUGAISON, TypeControle::Edition, "", 7, 7, 596, 358,
         STYLE_MULTILIGNE | STYLE_LECTURE_SEULE | STYLE_DEFILEMENT_HORIZONTAL_AUTO | STYLE_POLICE_FIXE},
    };
    return m;
}

TableauConjugaison::TableauConjugaison() : Dialogue(ModeleTableauConjugaison()) {}

bool TableauConjugaison::OnInitDialog() {
    Dialogue::OnInitDialog();
    DefinirTitre(titre);
    return true;
}

void TableauConjugaison::DoDataExchange(EchangeDonnees& echange) { echange.Texte(IDC_TEXTE_CONJUGAISON, texte); }
