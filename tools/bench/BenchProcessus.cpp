// Whole processes, side by side with the tools a reader would compare them
// to, in one run: the median of 5 wall times and the largest peak memory.
//
//   bench_processus VOCALIA-DICO VOCALIA-SCRIPT [BEFORE-DICO BEFORE-SCRIPT]
//
// The anchors: sdcv on the same Littré (stardict-xmlittre), zcat of its
// dictionary file, and grep -F -c over that file's text. Given a second pair
// of programs (an earlier build), their figures come beside ours.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int ESSAIS = 5;
const char* const LITTRE_DZ = "/usr/share/stardict/dic/XMLittre.dict.dz";

struct Mesure {
    double ms = -1;   // median wall time
    double mio = -1;  // largest peak resident set
    bool ok = false;
};

// One run of `arguments`, standard input from `entree` and output to `sortie`.
bool Lancer(const std::vector<std::string>& arguments, const std::string& entree, const std::string& sortie,
            double& ms, double& mio) {
    std::vector<char*> argv;
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const auto debut = std::chrono::steady_clock::now();
    const pid_t enfant = fork();
    if (enfant < 0) return false;
    if (enfant == 0) {
        const int in = open(entree.c_str(), O_RDONLY);
        const int out = open(sortie.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open("/dev/null", O_WRONLY);
        if (in < 0 || out < 0 || err < 0) _exit(127);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int statut = 0;
    rusage usage{};
    if (wait4(enfant, &statut, 0, &usage) != enfant) return false;
    ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
    mio = double(usage.ru_maxrss) / 1024.0;
    // 0 found, 1 not found (grep, vocalia-dico); anything else is a failure.
    return WIFEXITED(statut) && WEXITSTATUS(statut) <= 1;
}

// Not /dev/null: grep stops at its first match when it writes there.
std::string FichierSortie() {
    const char* tmp = std::getenv("TMPDIR");
    return std::string(tmp != nullptr && *tmp ? tmp : "/tmp") + "/vocalia_bench_sortie.txt";
}

Mesure Mesurer(const std::vector<std::string>& arguments, const std::string& entree = "/dev/null",
               const std::string& sortie = FichierSortie()) {
    Mesure mesure;
    std::vector<double> temps;
    double pic = 0;
    for (int i = 0; i < ESSAIS; ++i) {
        double ms = 0, mio = 0;
        if (!Lancer(arguments, entree, sortie, ms, mio)) return mesure;
        temps.push_back(ms);
        pic = std::max(pic, mio);
    }
    std::sort(temps.begin(), temps.end());
    mesure.ms = temps[ESSAIS / 2];
    mesure.mio = pic;
    mesure.ok = true;
    return mesure;
}

std::string Texte(const Mesure& m) {
    if (!m.ok) return "       (failed)      ";
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%8.1f ms %6.1f MiB", m.ms, m.mio);
    return tampon;
}

void Ligne(const char* quoi, const Mesure& nous, const Mesure& avant, const char* ancre, const Mesure& repere,
           bool avecAvant) {
    std::printf("%-34s %s", quoi, Texte(nous).c_str());
    if (avecAvant) std::printf(" | before %s", Texte(avant).c_str());
    if (ancre != nullptr) {
        std::printf(" | %-22s %s", ancre, Texte(repere).c_str());
        if (nous.ok && repere.ok && repere.ms > 0) std::printf(" | ratio %.2f", nous.ms / repere.ms);
    }
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 5) {
        std::fprintf(stderr, "usage: bench_processus VOCALIA-DICO VOCALIA-SCRIPT [BEFORE-DICO BEFORE-SCRIPT]\n");
        return 2;
    }
    const std::string dico = argv[1], script = argv[2];
    const bool avecAvant = argc == 5;
    const std::string dicoAvant = avecAvant ? argv[3] : "", scriptAvant = avecAvant ? argv[4] : "";
    const char* tmp = std::getenv("TMPDIR");
    const std::string texte = std::string(tmp != nullptr && *tmp ? tmp : "/tmp") + "/vocalia_bench_littre.txt";
    const std::string commandeTexte = std::string("zcat '") + LITTRE_DZ + "' > '" + texte + "'";
    if (std::system(commandeTexte.c_str()) != 0) {
        std::fprintf(stderr, "bench_processus: cannot read %s (package stardict-xmlittre)\n", LITTRE_DZ);
        return 1;
    }
    const auto avant = [&](std::vector<std::string> arguments, const std::string& programme) {
        if (!avecAvant) return Mesure();
        arguments[0] = programme;
        return Mesurer(arguments);
    };
    std::printf("whole processes, median of %d wall times, largest peak RSS\n", ESSAIS);

    const std::vector<std::string> maison = {dico, "maison"};
    Ligne("vocalia-dico maison", Mesurer(maison), avant(maison, dicoAvant), "sdcv -n maison",
          Mesurer({"sdcv", "-n", "maison"}), avecAvant);
    const std::vector<std::string> demarrage = {script};
    Ligne("start-up (vocalia-script < empty)", Mesurer(demarrage), avant(demarrage, scriptAvant), "zcat XMLittre.dict.dz",
          Mesurer({"zcat", LITTRE_DZ}), avecAvant);
    const std::vector<std::string> pleinTexte = {dico, "--plein-texte", "ornithorynque"};
    Ligne("vocalia-dico --plein-texte ornith.", Mesurer(pleinTexte), avant(pleinTexte, dicoAvant),
          "grep -F -c (its text)", Mesurer({"grep", "-F", "-c", "ornithorynque", texte}), avecAvant);
    const std::vector<std::string> frequent = {dico, "--plein-texte", "maison"};
    Ligne("vocalia-dico --plein-texte maison", Mesurer(frequent), avant(frequent, dicoAvant),
          "grep -F -c (its text)", Mesurer({"grep", "-F", "-c", "maison", texte}), avecAvant);
    const std::vector<std::string> approches = {dico, "--approches", "maisson"};
    Ligne("vocalia-dico --approches maisson", Mesurer(approches), avant(approches, dicoAvant), nullptr, Mesure(),
          avecAvant);
    const std::vector<std::string> conjugaison = {dico, "--conjugaison", "aimer"};
    Ligne("vocalia-dico --conjugaison aimer", Mesurer(conjugaison), avant(conjugaison, dicoAvant), nullptr, Mesure(),
          avecAvant);
    const std::vector<std::string> introuvable = {dico, "maisson"};
    Ligne("vocalia-dico maisson (not found)", Mesurer(introuvable), avant(introuvable, dicoAvant), nullptr, Mesure(),
          avecAvant);
    const std::vector<std::string> forme = {dico, "maisons"};
    Ligne("vocalia-dico maisons (a form)", Mesurer(forme), avant(forme, dicoAvant), nullptr, Mesure(), avecAvant);
    std::remove(texte.c_str());
    std::remove(FichierSortie().c_str());
    return 0;
}
