#include "platform/dialogue/ModeleDialogue.h"

const ControleModele* ModeleDialogue::Controle(int idControle) const {
    if (idControle == ID_STATIQUE) return nullptr;
    for (const ControleModele& c : controles)
        if (c.id == idControle) return &c;
    return nullptr;
}
