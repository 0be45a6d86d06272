#include "shell/ModelesDialogues.h"

#include "data/Dictionnaire.h"
#include "shell/Identifiants.h"
#include "shell/SourcesDonnees.h"

// Positions and sizes are dialog units; texts are Windows-1252. A few
// widths are larger than the classic layout had them (1030, 1008, 1009 and
// the four detail boxes): GTK fonts are wider and the captions were clipped.

ModeleDialogue ModeleThesaurus() {
    ModeleDialogue m;
    m.id = IDD_THESAURUS;
    m.titre = "Vocalia - Dictionnaire";
    m.largeur = 367;
    m.hauteur = 229;
    // Resizable, from this size up: the list and the pane take the room, the
    // column on the right follows the right edge, the notices the bottom one.
    m.redimensionnable = true;
    m.nomGeometrie = "fenetre-principale";
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
        {IDC_LISTE, TypeControle::Liste, "", 7, 37, 81, 165, STYLE_NOTIFIE | STYLE_DEFILEMENT_VERTICAL, ETIRE_HAUTEUR},
        {IDC_DEFINITION, TypeControle::Edition, "", 96, 37, 197, 165, STYLE_MULTILIGNE | STYLE_LECTURE_SEULE | STYLE_DEFILEMENT_VERTICAL,
         ETIRE_LARGEUR | ETIRE_HAUTEUR},
        {IDC_CONJUGAISON, TypeControle::Bouton, "conjugaison", 309, 34, 51, 12, STYLE_AUCUN, ANCRAGE_DROITE},
        {IDC_GROUPE_TYPES, TypeControle::CadreGroupe, "types exclus", 299, 55, 61, 57, STYLE_AUCUN, ANCRAGE_DROITE},
        {IDC_VILLES, TypeControle::CaseACocher, "villes", 313, 68, 39, 9, STYLE_AUCUN, ANCRAGE_DROITE},
        {IDC_VIEILLI, TypeControle::CaseACocher, "vieilli", 313, 83, 39, 9, STYLE_AUCUN, ANCRAGE_DROITE},
        {IDC_ARGOT, TypeControle::CaseACocher, "argot", 313, 98, 39, 9, STYLE_AUCUN, ANCRAGE_DROITE},
        {IDC_GROUPE_DETAILS, TypeControle::CadreGroupe, "d\xE9tails inclus", 299, 120, 61, 64, STYLE_AUCUN, ANCRAGE_DROITE},
        {IDC_FLEXIONS, TypeControle::CaseACocher, "flexions", 305, 132, 54, 9, STYLE_AUCUN, ANCRAGE_DROITE},
        {IDC_ETYMOLOGIE, TypeControle::CaseACocher, "\xE9tymologie", 305, 143, 54, 9, STYLE_AUCUN, ANCRAGE_DROITE},
        {IDC_SYNONYMES, TypeControle::CaseACocher, "synonymes", 305, 154, 54, 9, STYLE_AUCUN, ANCRAGE_DROITE},
        {IDC_ANTONYMES, TypeControle::CaseACocher, "antonymes", 305, 165, 54, 9, STYLE_AUCUN, ANCRAGE_DROITE},
        {IDC_AIDE, TypeControle::Bouton, "AIDE\n\xE0 propos\nlicence", 301, 191, 59, 30, STYLE_AUCUN, ANCRAGE_DROITE | ANCRAGE_BAS},
        {ID_STATIQUE, TypeControle::Statique, TEXTE_LICENCE_DONNEES, 7, 203, 125, 9, STYLE_AUCUN, ANCRAGE_BAS},
        {IDC_LIEN_CONDITIONS, TypeControle::Statique, "conditions de redistribution: cliquez ici", 7, 210, 133, 11, STYLE_NOTIFIE, ANCRAGE_BAS},
        {ID_STATIQUE, TypeControle::Statique, TexteSourceDefinitions(EtiquetteDonnees()), 167, 203, 113, 10, STYLE_AUCUN, ANCRAGE_BAS},
        {IDC_LIEN_ARTICLE, TypeControle::Statique, "Int\xE9gralit\xE9 et Auteurs : cliquez ici", 165, 211, 116, 10, STYLE_NOTIFIE, ANCRAGE_BAS},
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
        // The whole width and two lines: the data label names every source with its version.
        {IDC_ENTETE_AIDE, TypeControle::Statique, "", 7, 4, 423, 22, STYLE_AUCUN},
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

namespace {
constexpr int LIGNE_CREDITS = 10;           // one line of text, in dialog units
constexpr int LIGNE_CREDIT_DONNEES = 19;    // a data source's credit may wrap once
constexpr int LARGEUR_TEXTE_CREDITS = 347;
}  // namespace

// The data lines come from the table of sources and name only what the
// loaded data holds; the window grows with them.
ModeleDialogue ModeleCredits() {
    ModeleDialogue m;
    m.id = IDD_CREDITS;
    m.titre = "Vocalia - Cr\xE9" "dits";
    m.largeur = 361;
    int y = 7;
    const auto ligne = [&m, &y](const std::string& texte, int hauteur) {
        m.controles.push_back({ID_STATIQUE, TypeControle::Statique, texte, 7, y, LARGEUR_TEXTE_CREDITS, hauteur - 1, STYLE_AUCUN});
        y += hauteur;
    };
    ligne("remerciements pour l'usage des librairies suivantes :", LIGNE_CREDITS);
    ligne("- wxWidgets 3.2 (licence wxWindows) : les fen\xEAtres", LIGNE_CREDITS);
    ligne("- zlib de Jean-loup Gailly et Mark Adler (licence zlib) : la d\xE9" "compression", LIGNE_CREDITS);
    ligne("- OpenSSL libcrypto (licence Apache 2.0) : le d\xE9" "chiffrement AES et MD5", LIGNE_CREDITS);
    ligne("- unixODBC (LGPL 2.1) : l'acc\xE8s aux bases de donn\xE9" "es", LIGNE_CREDITS);
    ligne("- SQLite et le pilote SQLite ODBC de Christian Werner (domaine public, BSD) : la base des conjugaisons",
          LIGNE_CREDITS);
    ligne("remerciements pour l'usage des donn\xE9" "es:", LIGNE_CREDITS);
    for (const std::string& credit : LignesCreditsDonnees(EtiquetteDonnees())) ligne(credit, LIGNE_CREDIT_DONNEES);
    ligne("les r\xE9" "f\xE9rences de licence d'utilisation et des articles utilis\xE9s sont accessibles sur la page principale.",
          LIGNE_CREDITS);
    y += 9;
    m.controles.push_back({ID_OK, TypeControle::Bouton, "OK", 155, y, 50, 14, STYLE_BOUTON_DEFAUT});
    m.hauteur = y + 14 + 7;
    return m;
}
