#pragma once
// The definition pane: a double-click on a word of a definition looks that word up.
#include "platform/dialogue/ControleEdition.h"

class DialogueThesaurus;

class CEditDoubleClickThesaurus : public ControleEdition {
public:
    void DefinirProprietaire(DialogueThesaurus* proprietaire) { proprietaire_ = proprietaire; }
    bool SurDoubleClic() override;

private:
    DialogueThesaurus* proprietaire_ = nullptr;
};
