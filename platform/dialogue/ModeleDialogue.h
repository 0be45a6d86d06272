#pragma once
// A dialog described as data: its caption, size and controls, all in dialog
// units, the way a resource script describes it. Texts are Windows-1252.
#include <string>
#include <vector>

enum class TypeControle { Edition, Bouton, CaseACocher, CadreGroupe, Statique, Liste };

// Styles that change behaviour or look; everything else follows the platform.
enum StyleControle : unsigned {
    STYLE_AUCUN = 0,
    STYLE_BOUTON_DEFAUT = 1u << 0,      // pressed by Enter
    STYLE_MULTILIGNE = 1u << 1,
    STYLE_LECTURE_SEULE = 1u << 2,
    STYLE_DEFILEMENT_VERTICAL = 1u << 3,
    STYLE_DEFILEMENT_HORIZONTAL_AUTO = 1u << 4,
    STYLE_NOTIFIE = 1u << 5,            // statics: clicks; list boxes: selection changes
    STYLE_POLICE_FIXE = 1u << 6,
};

// How a control follows a resizable window that grows beyond its template:
// fixed to the top left corner unless told to move with an edge or to stretch.
enum AncrageControle : unsigned {
    ANCRAGE_FIXE = 0,
    ANCRAGE_DROITE = 1u << 0,   // moves with the right edge
    ANCRAGE_BAS = 1u << 1,      // moves with the bottom edge
    ETIRE_LARGEUR = 1u << 2,    // grows with the width
    ETIRE_HAUTEUR = 1u << 3,    // grows with the height
};

inline constexpr int ID_STATIQUE = -1;
inline constexpr int ID_OK = 1;
inline constexpr int ID_ANNULER = 2;

struct ControleModele {
    int id = ID_STATIQUE;
    TypeControle type = TypeControle::Statique;
    std::string texte;
    int x = 0, y = 0, largeur = 0, hauteur = 0;
    unsigned styles = STYLE_AUCUN;
    unsigned ancrage = ANCRAGE_FIXE;
};

struct ModeleDialogue {
    int id = 0;
    std::string titre;
    int largeur = 0, hauteur = 0;
    std::vector<ControleModele> controles;
    bool policeFixe = false;
    // The control whose text says what the window is about (a window that is
    // observed rather than seen shows this); 0: every static text, in order.
    int controlePrincipal = 0;
    // The template's size is then the initial and the smallest one.
    bool redimensionnable = false;
    // Non-empty: the window's place and size are kept across runs under this name.
    std::string nomGeometrie;

    const ControleModele* Controle(int id) const;
};
