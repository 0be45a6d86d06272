// vocalia-script: the main window on the headless back end, driven by the
// commands read from standard input (see InterpreteScript).
//
//   vocalia-script [--dictionnaire PAYLOAD --flexions PAYLOAD]
//
// The two options load payloads (already deciphered and inflated) from files
// instead of the embedded data; they exist for tests.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "data/Dictionnaire.h"
#include "data/IndexFlexions.h"
#include "lexique/DonneesVocalia.h"
#include "platform/dialogue/SansEcran.h"
#include "shell/DialogueThesaurus.h"
#include "text/Trace.h"
#include "tools/script/InterpreteScript.h"

namespace {
bool LireFichier(const std::string& chemin, std::vector<unsigned char>& octets) {
    std::ifstream f(chemin, std::ios::binary);
    if (!f) return false;
    octets.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    return true;
}

struct Options {
    std::string dictionnaire;
    std::string flexions;
};

bool LireOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string nom = argv[i];
        if (i + 1 >= argc) return false;
        if (nom == "--dictionnaire")
            options.dictionnaire = argv[++i];
        else if (nom == "--flexions")
            options.flexions = argv[++i];
        else
            return false;
    }
    return true;
}

bool ChargerDonnees(const Options& options) {
    if (options.dictionnaire.empty() && options.flexions.empty()) {
        CurseurAttente attente;
        DonneesVocalia::ParDefaut().ChargerDictionnaire();  // unchecked, as in the program: an empty dictionary still runs
        return true;
    }
    std::vector<unsigned char> octets;
    if (!options.dictionnaire.empty()) {
        if (!LireFichier(options.dictionnaire, octets)) return false;
        ChargerDictionnaireDepuis(octets.data(), octets.size());
    }
    if (!options.flexions.empty()) {
        if (!LireFichier(options.flexions, octets)) return false;
        ChargerIndexFlexionsDepuis(octets.data(), octets.size());
    }
    return true;
}
}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!LireOptions(argc, argv, options)) {
        std::cerr << "usage: vocalia-script [--dictionnaire FICHIER] [--flexions FICHIER] < commandes\n";
        return 2;
    }
    ChargeOptionsTrace();
    InterfaceSansEcran interface;
    DefinirInterface(&interface);
    if (!ChargerDonnees(options)) {
        std::cerr << "vocalia-script: fichier de donn\xC3\xA9" "es illisible\n";
        return 2;
    }
    interface.DefinirObservateur([](const EvenementInterface& e) {
        std::fflush(stdout);  // the trace lines and ours share standard output, in order
        InterpreteScript::Ecrire(std::cout, e);
    });
    interface.DefinirPilote([](Dialogue& dialogue) {
        InterpreteScript interprete(*static_cast<FenetreSansEcran*>(dialogue.Fenetre()), std::cout, std::cerr);
        interprete.Executer(std::cin);
        dialogue.Terminer(ID_ANNULER);
    });
    {
        DialogueThesaurus dialogue(DonneesVocalia::ParDefaut());
        dialogue.LancerModal();
    }
    DefinirInterface(nullptr);
    return 0;
}
