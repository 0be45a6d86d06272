#pragma once
// The credits window: the libraries and data sources the program uses.
#include "platform/dialogue/Dialogue.h"

class DialogueCreditsThesaurus : public Dialogue {
public:
    DialogueCreditsThesaurus();
};
