// vocalia-dico: the dictionary in a terminal, for those who use sdcv or dict.
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "lexique/DonneesVocalia.h"
#include "text/Trace.h"
#include "tools/dico/CommandeDico.h"

namespace {

int LargeurTerminal() {
    winsize taille{};
    if (!isatty(STDOUT_FILENO) || ioctl(STDOUT_FILENO, TIOCGWINSZ, &taille) != 0) return 0;
    return taille.ws_col;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    ArgumentsDico lus;
    std::string erreur;
    if (!LireArguments(arguments, lus, erreur)) {
        std::fprintf(stderr, "vocalia-dico : %s\nusage : vocalia-dico [OPTIONS] MOT (--help pour l'aide)\n",
                     erreur.c_str());
        return CODE_USAGE;
    }
    const int largeur = LargeurTerminal();
    // Standard output is this command's answer: the libraries' diagnostic
    // lines are dropped, or sent to standard error when VOCALIA_TRACE is set.
    ChoisirPuitsTrace(std::getenv("VOCALIA_TRACE") ? PuitsTrace::SortieErreur : PuitsTrace::Aucun);
    DonneesVocalia& donnees = DonneesVocalia::ParDefaut();
    if (lus.mode != ModeDico::Aide && !donnees.ChargerDictionnaire()) {
        std::fputs("vocalia-dico : le dictionnaire est illisible\n", stderr);
        return CODE_INTROUVABLE;
    }
    const ResultatDico resultat = ExecuterDico(lus, largeur, donnees);
    std::fputs(resultat.erreurs.c_str(), stderr);
    std::fputs(resultat.sortie.c_str(), stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? resultat.code : CODE_INTROUVABLE;
}
