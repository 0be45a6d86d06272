// vocalia-dico: the dictionary in a terminal, for those who use sdcv or dict.
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/Dictionnaire.h"
#include "tools/dico/CommandeDico.h"

namespace {

// The libraries' diagnostic lines go to standard output, which is this
// command's answer: they are dropped, or sent to standard error when
// VOCALIA_TRACE is set. The answer goes through its own copy of the output.
std::FILE* DetournerDiagnostics() {
    std::fflush(stdout);
    const int reponse = dup(STDOUT_FILENO);
    if (reponse < 0) return stdout;
    const int diagnostics = std::getenv("VOCALIA_TRACE") ? dup(STDERR_FILENO) : open("/dev/null", O_WRONLY);
    if (diagnostics >= 0) {
        dup2(diagnostics, STDOUT_FILENO);
        close(diagnostics);
    }
    std::FILE* sortie = fdopen(reponse, "w");
    return sortie ? sortie : stdout;
}

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
    std::FILE* sortie = DetournerDiagnostics();
    if (lus.mode != ModeDico::Aide && !ChargerDictionnaire()) {
        std::fputs("vocalia-dico : le dictionnaire est illisible\n", stderr);
        return CODE_INTROUVABLE;
    }
    const ResultatDico resultat = ExecuterDico(lus, largeur);
    std::fputs(resultat.erreurs.c_str(), stderr);
    std::fputs(resultat.sortie.c_str(), sortie);
    return std::fclose(sortie) == 0 ? resultat.code : CODE_INTROUVABLE;
}
