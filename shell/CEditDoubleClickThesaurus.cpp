#include "shell/CEditDoubleClickThesaurus.h"

#include "shell/DialogueThesaurus.h"
#include "text/OrdreFrancais.h"
#include "text/Transformations.h"

// Always taken: the toolkit's own double-click would select the word and move the caret.
// The whole text is read: the longest articles run to tens of thousands of
// characters, and a word past any fixed cut must still be reachable.
bool CEditDoubleClickThesaurus::SurDoubleClic() {
    const int debut = DebutSelection();
    const std::string texte = Texte();
    if (debut < 0 || static_cast<std::size_t>(debut) > texte.size()) return true;
    const std::string mot = MotAutourDe(texte, static_cast<std::size_t>(debut));
    if (mot.empty() || !proprietaire_) return true;
    // The Littré's references name their headword in capitals ("Voy. VIEIL.").
    if (!proprietaire_->NaviguerVers(mot)) proprietaire_->NaviguerVers(Minuscules(mot));
    proprietaire_->PasserEnMode(ModeListe::Dictionnaire);
    return true;
}
