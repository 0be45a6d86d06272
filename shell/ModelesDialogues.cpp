#include "shell/ModelesDialogues.h"

#include "shell/Identifiants.h"
#include "shell/SourcesDonnees.h"

// Positions and sizes are dialog units; texts are Windows-1252. A few
// widths are larger than the classic layout had them (1030, 1008, 1009 and
// the four detail boxes): GTK fonts are wider and the captions were clipped.

namespace {
// A line of the credits that names a source the data was built without.
void RetirerLignesQuiNomment(ModeleDialogue& m, const std::string& nom) {
    std::erase_if(m.controles, [&nom](const auto& controle) { return controle.texte.find(nom) != std::string::npos; });
}
}  // namespace

ModeleDialogue ModeleThesaurus() {
    ModeleDialogue m;
    m.id = IDD_THESAURUS;
    m.titre = "Vocalia - Dictionnaire";
    m.largeur = 367;
    m.hauteur = 229;
    m.controles = {
        {IDC_MOT, TypeControle::Edition, "", 7, 4, 82, 14, STYLE_DEFILEMENT_HORIZONTAL_AUTO},
        {IDC_RECHERCHER, TypeControle::Bouton, "rechercher", 91, 4, 44, 12, STYLE_BOUTON_DEFAUT},
        {IDC_APPROCHES, TypeControle::Bouton, "approch\xE9s", 140, 4, 41, 12, STYLE_AUCUN},
        {IDC_RECULER, TypeControle::Bouton, "<=", 187, 4, 23, 12, STYLE_AUCUN},
        {IDC_AVANCER, TypeControle::Bouton, "=>", 215, 4, 23, 12, STYLE_AUCUN},
        {IDC_HISTORIQUE, TypeControle::Bouton, "historique", 241, 4, 41, 12, STYLE_AUCUN},
        {IDC_PLEIN_TEXTE, TypeControle::Bouton, "rec. plein texte", 289, 4, 71, 12, STYLE_AUCUN},
        {IDC_TYPE_LISTE, TypeControle::Statique, "Type de liste", 14, 23, 45, 9, STYLE_AUCUN},
        {IDC_EFFACER, TypeControle::Bouton, "effacer", 59, 21, 30, 12, STYLE_AUCUN},
        {IDC_MOT_CHOISI, TypeControle::Statique, "mot choisi", 102, 22, 128, 9, STYLE_AUCUN},
        {IDC_TOUJOURS_VISIBLE, TypeControle::CaseACocher, "toujours visible", 233, 20, 64, 8, STYLE_AUCUN},
        {IDC_DANS_EXEMPLES, TypeControle::CaseACocher, "dans exemples", 301, 20, 64, 8, STYLE_AUCUN},
        {IDC_LISTE, TypeControle::Liste, "", 7, 37, 81, 165, STYLE_NOTIFIE | STYLE_DEFILEMENT_VERTICAL},
        {IDC_DEFINITION, TypeControle::Edition, "", 96, 37, 197, 165, STYLE_MULTILIGNE | STYLE_LECTURE_SEULE | STYLE_DEFILEMENT_VERTICAL},
        {IDC_CONJUGAISON, TypeControle::Bouton, "conjugaison", 309, 34, 51, 12, STYLE_AUCUN},
        {IDC_GROUPE_TYPES, TypeControle::CadreGroupe, "types exclus", 299, 55, 61, 57, STYLE_AUCUN},
        {IDC_VILLES, TypeControle::CaseACocher, "villes", 313, 68, 39, 9, STYLE_AUCUN},
        {IDC_VIEILLI, TypeControle::CaseACocher, "vieilli", 313, 83, 39, 9, STYLE_AUCUN},
        {IDC_ARGOT, TypeControle::CaseACocher, "argot", 313, 98, 39, 9, STYLE_AUCUN},
        {IDC_GROUPE_DETAILS, TypeControle::CadreGroupe, "d\xE9tails inclus", 299, 120, 61, 64, STYLE_AUCUN},
        {IDC_FLEXIONS, TypeControle::CaseACocher, "flexions", 305, 132, 54, 9, STYLE_AUCUN},
        {IDC_ETYMOLOGIE, TypeControle::CaseACocher, "\xE9tymologie", 305, 143, 54, 9, STYLE_AUCUN},
        {IDC_SYNONYMES, TypeControle::CaseACocher, "synonymes", 305, 154, 54, 9, STYLE_AUCUN},
        {IDC_ANTONYMES, TypeControle::CaseACocher, "antonymes", 305, 165, 54, 9, STYLE_AUCUN},
        {IDC_AIDE, TypeControle::Bouton, "AIDE\n\xE0 propos\nlicence", 301, 191, 59, 30, STYLE_AUCUN},
        {ID_STATIQUE, TypeControle::Statique, TEXTE_LICENCE_DONNEES, 7, 203, 125, 9, STYLE_AUCUN},
        {IDC_LIEN_CONDITIONS, TypeControle::Statique, "conditions de redistribution: cliquez ici", 7, 210, 133, 11, STYLE_NOTIFIE},
        {ID_STATIQUE, TypeControle::Statique, TEXTE_SOURCE_DEFINITIONS, 167, 203, 113, 10, STYLE_AUCUN},
        {IDC_LIEN_ARTICLE, TypeControle::Statique, "Int\xE9gralit\xE9 et Auteurs : cliquez ici", 165, 211, 116, 10, STYLE_NOTIFIE},
    };
    return m;
}

ModeleDialogue ModeleAide() {
    ModeleDialogue m;
    m.id = IDD_AIDE;
    m.titre = "Vocalia - Aide";
    m.largeur = 437;
    m.hauteur = 203;
    m.controlePrincipal = IDC_ENTETE_AIDE;
    m.controles = {
        {IDC_ENTETE_AIDE, TypeControle::Statique, "", 100, 7, 255, 11, STYLE_AUCUN},
        {ID_STATIQUE, TypeControle::Statique, "RECHERCHE SIMPLE: saisissez le mot et cliquez sur le bouton \"rechercher\"", 7, 28, 423, 11, STYLE_AUCUN},
        {ID_STATIQUE, TypeControle::Statique, "===============================================================================", 7, 42, 423, 11, STYLE_AUCUN},
        {ID_STATIQUE, TypeControle::Statique, "VOCABULAIRE ENRICHI: toutes les entr\xE9" "es, leurs flexions et d\xE9" "clinaisons peuvent \xEAtre recherch\xE9" "es.", 7, 71, 423, 11, STYLE_AUCUN},
        {ID_STATIQUE, TypeControle::Statique, "FILTRAGES : vous pouvez filtrer les entr\xE9" "es et les d\xE9" "finitions par cat\xE9gories.", 7, 84, 423, 11, STYLE_AUCUN},
        {ID_STATIQUE, TypeControle::Statique, "NAVIGATION ENTRE LES DEFINITIONS: double-cliquez sur les mots d'une d\xE9" "finition pour passer d'une d\xE9" "finition \xE0 une autre.", 7, 98, 423, 16, STYLE_AUCUN},
        {ID_STATIQUE, TypeControle::Statique, "MOTS APPROCHES: saisissez le mot et cliquez sur le bouton \"approch\xE9s\": la liste des possibilit\xE9s appara\xEEt.", 7, 116, 423, 11, STYLE_AUCUN},
        {ID_STATIQUE, TypeControle::Statique, "HISTORIQUE: toutes vos recherches sont enregistr\xE9" "es: cliquez sur les boutons \"<=\", \"=>\", \"historique\", pour avancer, reculer, faire appara\xEEtre l'historique, et sur le bouton \"effacer\".", 7, 129, 423, 18, STYLE_AUCUN},
        {ID_STATIQUE, TypeControle::Statique, "RECHERCHE PLEIN TEXTE: rechercher le mot que vous avez saisi parmi toutes les d\xE9" "finitions.", 7, 148, 423, 11, STYLE_AUCUN},
        {ID_STATIQUE, TypeControle::Statique, "CONJUGAISONS et FLEXIONS: cliquez sur ces boutons pour faire appara\xEEtre les tableaux complets de conjugaison et de flexion.", 7, 162, 423, 18, STYLE_AUCUN},
        {ID_OK, TypeControle::Bouton, "OK", 54, 182, 50, 14, STYLE_BOUTON_DEFAUT},
        {IDC_CREDITS, TypeControle::Bouton, "Cr\xE9" "dits", 206, 182, 50, 14, STYLE_AUCUN},
    };
    return m;
}

ModeleDialogue ModeleCredits() {
    ModeleDialogue m;
    m.id = IDD_CREDITS;
    m.titre = "Vocalia - Cr\xE9" "dits";
    m.largeur = 361;
    m.hauteur = 167;
    m.controles = {
        {ID_STATIQUE, TypeControle::Statique, "remerciements pour l'usage des librairies suivantes :", 7, 7, 347, 9, STYLE_AUCUN},
        {ID_STATIQUE, TypeControle::Statique, "- wxWidgets 3.2 (licence wxWindows) : les fen\xEAtres", 7, 17, 347, 9, STYLE_AUCUN},
        {ID_STATIQUE, TypeControle::Statique, "- zlib de Jean-loup Gailly et Mark Adler (licence zlib) : la d\xE9" "compression", 7, 27, 347, 9, STYLE_AUCUN},
        {ID_STATIQUE, TypeControle::Statique, "- OpenSSL libcrypto (licence Apache 2.0) : le d\xE9" "chiffrement AES et MD5", 7, 37, 347, 9, STYLE_AUCUN},
        {ID_STATIQUE, TypeControle::Statique, "- unixODBC (LGPL 2.1) : l'acc\xE8s aux bases de donn\xE9" "es", 7, 47, 347, 9, STYLE_AUCUN},
        {ID_STATIQUE, TypeControle::Statique, "- SQLite et le pilote SQLite ODBC de Christian Werner (domaine public, BSD) : la base des conjugaisons", 7, 57, 347, 9, STYLE_AUCUN},
        {ID_STATIQUE, TypeControle::Statique, "remerciements pour l'usage des donn\xE9" "es:", 7, 67, 347, 9, STYLE_AUCUN},
        {ID_STATIQUE, TypeControle::Statique, "l'essentiel des articles de dictionnaire sont issus du Littr\xE9, \xE9" "dition XMLittr\xE9 de Fran\xE7ois Gannaz (GPL 2+)", 7, 77, 347, 9, STYLE_AUCUN},
        {ID_STATIQUE, TypeControle::Statique, "- synonymes : th\xE9saurus fran\xE7" "ais de Dicollecte, Olivier R. (MPL 2.0)", 7, 87, 347, 9, STYLE_AUCUN},
        {ID_STATIQUE, TypeControle::Statique, "- flexions : dictionnaire hunspell fran\xE7" "ais de Dicollecte (MPL 2.0)", 7, 97, 347, 9, STYLE_AUCUN},
        {ID_STATIQUE, TypeControle::Statique, "- conjugaisons : verbiste de Pierre Sarrazin (GPL 2+)", 7, 107, 347, 9, STYLE_AUCUN},
        {ID_STATIQUE, TypeControle::Statique, "- communes : d\xE9" "coupage administratif d'Etalab (Licence Ouverte 2.0)", 7, 117, 347, 9, STYLE_AUCUN},
        {ID_STATIQUE, TypeControle::Statique, "les r\xE9" "f\xE9rences de licence d'utilisation et des articles utilis\xE9s sont accessibles sur la page principale.", 7, 127, 347, 9, STYLE_AUCUN},
        {ID_OK, TypeControle::Bouton, "OK", 155, 146, 50, 14, STYLE_BOUTON_DEFAUT},
    };
    if (!DONNEES_AVEC_COMMUNES) RetirerLignesQuiNomment(m, "Etalab");
    return m;
}
