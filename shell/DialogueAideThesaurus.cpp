#include "shell/DialogueAideThesaurus.h"

#include "platform/dialogue/EchangeDonnees.h"
#include "shell/DialogueCreditsThesaurus.h"
#include "shell/Identifiants.h"
#include "shell/ModelesDialogues.h"

DialogueAideThesaurus::DialogueAideThesaurus() : Dialogue(ModeleAide()) {
    Associer(IDC_CREDITS, Notification::Clic, [this] { MontrerCredits(); });
}

void DialogueAideThesaurus::DoDataExchange(EchangeDonnees& echange) { echange.Texte(IDC_ENTETE_AIDE, texteEntete); }

void DialogueAideThesaurus::MontrerCredits() {
    DialogueCreditsThesaurus credits;
    credits.LancerModal();
}
