#include "shell/CEditDoubleClickThesaurus.h"

#include "shell/DialogueThesaurus.h"
#include "text/OrdreFrancais.h"

namespace {
// The pane's text is read through a buffer of this many bytes, terminator included.
constexpr std::size_t TAILLE_TAMPON_TEXTE = 10000;
}

// Always taken: the toolkit's own double-click would select the word and move the caret.
bool CEditDoubleClickThesaurus::SurDoubleClic() {
    const int debut = DebutSelection();
    std::string texte = Texte();
    if (texte.size() > TAILLE_TAMPON_TEXTE - 1) texte.resize(TAILLE_TAMPON_TEXTE - 1);
    if (debut < 0 || static_cast<std::size_t>(debut) > texte.size()) return true;
    const std::string mot = MotAutourDe(texte, static_cast<std::size_t>(debut));
    if (mot.empty() || !proprietaire_) return true;
    proprietaire_->NaviguerVers(mot);
    proprietaire_->PasserEnMode(ModeListe::Dictionnaire);
    return true;
}
