// Vocalia: the desktop dictionary. One modal window; the process ends with it.
#include <cstdio>

#include "data/Dictionnaire.h"
#include "platform/dialogue/InterfaceUtilisateur.h"
#include "platform/wx/InterfaceWx.h"
#include "shell/DialogueThesaurus.h"
#include "text/Trace.h"

namespace {
// Windows-1252 bytes; the byte before the colon is a no-break space.
const char* const MESSAGE_ECHEC_INITIALISATION = "Erreur irr\xE9" "cup\xE9rable\xA0: l'initialisation MFC a \xE9" "chou\xE9\n";
}

int main(int argc, char** argv) {
    ChargeOptionsTrace();
    if (!DemarrerWx(argc, argv)) {
        std::fputs(MESSAGE_ECHEC_INITIALISATION, stdout);
        return 1;
    }
    InterfaceWx interface;
    DefinirInterface(&interface);
    {
        // A failed load is not checked: the window then works on an empty dictionary.
        CurseurAttente attente;
        ChargerDictionnaire();
    }
    {
        DialogueThesaurus dialogue;
        dialogue.LancerModal();
    }
    DefinirInterface(nullptr);
    ArreterWx();
    return 0;
}
