#pragma once
// The window that shows one verb's conjugation table, in a fixed-width font
// since the stored texts are laid out in columns.
#include <string>

#include "platform/dialogue/Dialogue.h"

inline constexpr int IDD_TABLEAU_CONJUGAISON = 49001;
inline constexpr int IDC_TEXTE_CONJUGAISON = 49101;

ModeleDialogue ModeleTableauConjugaison();

class TableauConjugaison : public Dialogue {
public:
    TableauConjugaison();

    std::string texte;  // CR LF line ends, for the edit control
    std::string titre;  // becomes the caption

protected:
    bool OnInitDialog() override;
    void DoDataExchange(EchangeDonnees& echange) override;
};
