// Vocalia: the desktop dictionary. One modal window per user; the process
// ends with it. A later `vocalia MOT` hands its word to that window and exits.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "conjugation/DossierPrive.h"
#include "lexique/DonneesVocalia.h"
#include "platform/InstanceUnique.h"
#include "platform/dialogue/InterfaceUtilisateur.h"
#include "platform/wx/InterfaceWx.h"
#include "shell/ArgumentsVocalia.h"
#include "shell/DialogueThesaurus.h"
#include "text/Trace.h"

namespace {
// Windows-1252 bytes; the byte before the colon is a no-break space.
const char* const MESSAGE_ECHEC_INITIALISATION = "Erreur irr\xE9" "cup\xE9rable\xA0: l'initialisation MFC a \xE9" "chou\xE9\n";
constexpr int CODE_USAGE = 2;

// Where the running window of this display listens, in the user's private
// folder; empty when there is none (each window then runs alone).
std::string CheminPriseFenetre() {
    const std::string dossier = DossierPrive();
    if (dossier.empty()) return {};
    return dossier + NomPriseFenetre(std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY"));
}

// What the terminal answers without a window; -1 when the window is wanted.
int RepondreSansFenetre(const std::vector<std::string>& arguments, ArgumentsVocalia& lus) {
    std::string erreur;
    if (!LireArgumentsVocalia(arguments, lus, erreur)) {
        std::fprintf(stderr, "vocalia : %s\nusage : vocalia [MOT | --selection] (--help pour l'aide)\n",
                     erreur.c_str());
        return CODE_USAGE;
    }
    if (lus.action == ActionVocalia::Aide) {
        std::fputs(TexteAideVocalia(), stdout);
        return 0;
    }
    if (lus.action == ActionVocalia::Version) {
        std::fputs(TexteVersionVocalia().c_str(), stdout);
        return 0;
    }
    return -1;
}

// The socket is read at once, so that the sender is answered; the lookup
// runs after, from the loop, where reading the selection can wait on it.
void RecevoirDemandes(InstanceUnique& instance, DialogueThesaurus& dialogue) {
    for (const std::string& message : instance.Recevoir())
        if (const std::optional<DemandeRecherche> demande = DecoderDemande(message))
            Differer([&dialogue, d = *demande] { dialogue.RecevoirDemande(d); });
}
}  // namespace

int main(int argc, char** argv) {
    ArgumentsVocalia lus;
    const int reponse = RepondreSansFenetre(std::vector<std::string>(argv + 1, argv + argc), lus);
    if (reponse >= 0) return reponse;
    const std::string prise = CheminPriseFenetre();
    switch (TransmettreDemande(prise, EncoderDemande(lus.demande))) {
        case Transmission::Prise: return 0;
        case Transmission::SansReponse:
            std::fputs("vocalia : la fen\xC3\xAAtre d\xC3\xA9j\xC3\xA0 ouverte ne r\xC3\xA9pond pas\n", stderr);
            return 1;
        case Transmission::PersonneNEcoute: break;
    }
    ChargeOptionsTrace();
    if (!DemarrerWx(argc, argv)) {
        std::fputs(MESSAGE_ECHEC_INITIALISATION, stdout);
        return 1;
    }
    InterfaceWx interface;
    DefinirInterface(&interface);
    InstanceUnique instance;
    instance.Ecouter(prise);  // when it cannot, this window simply runs alone
    DonneesVocalia& donnees = DonneesVocalia::ParDefaut();
    {
        // A failed load is not checked: the window then works on an empty dictionary.
        CurseurAttente attente;
        donnees.ChargerDictionnaire();
    }
    {
        DialogueThesaurus dialogue(donnees);
        dialogue.DemanderAuDemarrage(lus.demande);
        SurveillanceDescripteur surveillance(instance.Descripteur(), [&] { RecevoirDemandes(instance, dialogue); });
        dialogue.LancerModal();
    }
    DefinirInterface(nullptr);
    ArreterWx();
    return 0;
}
