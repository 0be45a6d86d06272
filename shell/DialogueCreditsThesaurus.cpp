#include "shell/DialogueCreditsThesaurus.h"

#include "shell/ModelesDialogues.h"

DialogueCreditsThesaurus::DialogueCreditsThesaurus() : Dialogue(ModeleCredits()) {}
