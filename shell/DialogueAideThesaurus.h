#pragma once
// The help window: how to use the main window, the data's origin, and the way to the credits.
#include <string>

#include "platform/dialogue/Dialogue.h"

class DialogueAideThesaurus : public Dialogue {
public:
    DialogueAideThesaurus();
    std::string texteEntete;  // static 1041

protected:
    void DoDataExchange(EchangeDonnees& echange) override;

private:
    void MontrerCredits();
};
