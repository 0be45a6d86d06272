#include "platform/dialogue/ControleEdition.h"

#include "platform/dialogue/Dialogue.h"

void ControleEdition::Attacher(Dialogue& dialogue, int id) {
    dialogue_ = &dialogue;
    id_ = id;
}

std::string ControleEdition::Texte() const { return dialogue_ ? dialogue_->TexteControle(id_) : std::string(); }

int ControleEdition::DebutSelection() const { return dialogue_ ? dialogue_->DebutSelection(id_) : -1; }
