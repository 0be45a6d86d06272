// Figures of the main dictionary: a synthetic dictionary of 80,000 articles
// (about 100 MB once inflated) is packed in blocks into a file, opened from
// it, then the lookups and the full-text search are timed. The full-text search
// is compared with grep -F -c over the same definitions, one per line.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "data/BlocsDictionnaire.h"
#include "data/Dictionnaire.h"
#include "data/Ressources.h"
#include "text/OrdreFrancais.h"
#include "text/Trace.h"

namespace {

constexpr int NOMBRE_ARTICLES = 80000;
// Rare: put into one definition in about 500. Frequent: a common word of the vocabulary.
const std::string MOT_RARE = "ornithorynque";

using Horloge = std::chrono::steady_clock;

double Secondes(Horloge::time_point debut) {
    return std::chrono::duration<double>(Horloge::now() - debut).count();
}

// The machine may be shared: CPU time says more than wall time there.
double SecondesCpu() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

double SecondesCpuEnfants() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Chrono {
    Horloge::time_point debut = Horloge::now();
    double debutCpu = SecondesCpu();
    double Ms() const { return Secondes(debut) * 1e3; }
    double MsCpu() const { return (SecondesCpu() - debutCpu) * 1e3; }
};

// Pseudo-French words from syllables, some accented (Windows-1252).
class Generateur {
public:
    explicit Generateur(unsigned graine) : aleatoire_(graine) {
        for (int i = 0; i < 6000; ++i) vocabulaire_.push_back(Mot(1 + int(Entier(3))));
    }

    std::string Mot(int syllabes) {
        static const char* const morceaux[] = {
            "ba", "be", "bi", "bo", "ca", "ce", "ch", "cha", "che", "co", "da", "de", "di",
            "do", "fa", "fe", "fi", "ga", "ge", "gu", "la", "le", "li", "lo", "ma", "me",
            "mi", "mo", "na", "ne", "ni", "no", "pa", "pe", "pi", "po", "qu", "ra", "re",
            "ri", "ro", "sa", "se", "si", "so", "ta", "te", "ti", "to", "va", "ve", "vi",
            "ai", "ou", "on", "an", "in", "eu", "\xE9", "\xE8", "\xEA", "\xE0", "\xE7o",
            "tion", "ment", "eur", "ette", "ique", "age", "isme"};
        std::string mot;
        for (int i = 0; i < syllabes; ++i) mot += morceaux[Entier(std::size(morceaux))];
        return mot;
    }

    // Zipf-like: the first words of the vocabulary are by far the most used.
    const std::string& MotCourant() {
        const double u = Reel();
        return vocabulaire_[std::size_t(double(vocabulaire_.size()) * u * u * u)];
    }

    std::string Phrase(int mots) {
        std::string phrase;
        for (int i = 0; i < mots; ++i) {
            if (i) phrase += ' ';
            phrase += MotCourant();
        }
        if (!phrase.empty() && phrase[0] >= 'a' && phrase[0] <= 'z') phrase[0] = char(phrase[0] - 32);
        return phrase + '.';
    }

    std::size_t Entier(std::size_t borne) { return std::size_t(aleatoire_() % borne); }
    double Reel() { return std::uniform_real_distribution<double>(0, 1)(aleatoire_); }

private:
    std::mt19937 aleatoire_;
    std::vector<std::string> vocabulaire_;
};

std::vector<std::string> Titres(Generateur& generateur) {
    std::vector<std::string> titres;
    while (titres.size() < std::size_t(NOMBRE_ARTICLES)) {
        std::string titre = generateur.Mot(3 + int(generateur.Entier(3)));
        titres.push_back(titre);
        // Some headwords have several articles.
        if (generateur.Entier(10) == 0) titres.push_back(titre);
    }
    titres.resize(NOMBRE_ARTICLES);
    std::sort(titres.begin(), titres.end(),
              [](const std::string& a, const std::string& b) { return MotSuperieur(b, a); });
    return titres;
}

Article FaireArticle(Generateur& g, const std::string& titre) {
    static const char* const categories[] = {"NOM", "VERBE", "ADJ", "ADV", "NOM PROPRE"};
    Article article;
    article.mot = titre;
    article.categorie = categories[g.Entier(std::size(categories))];
    article.attributs["genre"] = g.Entier(2) ? "masculin" : "f\xE9minin";
    if (g.Entier(3) == 0) article.attributs["registre"] = "familier";
    article.etymologie = "Du latin " + g.Mot(3) + ". " + g.Phrase(14);
    article.flexions = titre + "s, " + titre + "e, " + titre + "es";
    article.synonymes = g.Phrase(6);
    article.antonymes = g.Entier(2) ? g.Phrase(2) : "";
    const int sens = 1 + int(g.Entier(8));
    for (int i = 0; i < sens; ++i) {
        Sens un;
        un.definition = g.Phrase(12 + int(g.Entier(20)));
        if (g.Entier(500) == 0) un.definition += " Comme un " + MOT_RARE + ".";
        const int exemples = int(g.Entier(3));
        for (int e = 0; e < exemples; ++e) un.exemples.push_back(g.Phrase(10 + int(g.Entier(12))));
        article.sens.push_back(std::move(un));
    }
    return article;
}

bool EcrireFichier(const std::string& chemin, const std::vector<unsigned char>& octets) {
    std::FILE* fichier = std::fopen(chemin.c_str(), "wb");
    if (fichier == nullptr) return false;
    const bool ecrit = std::fwrite(octets.data(), 1, octets.size(), fichier) == octets.size();
    return std::fclose(fichier) == 0 && ecrit;
}

// Runs in a child process so that building the data does not count in the
// parent's peak memory.
int Fabriquer(const std::string& cheminCharge, const std::string& cheminDefinitions) {
    Generateur generateur(20261210);
    std::vector<Article> articles;
    articles.reserve(NOMBRE_ARTICLES);
    for (const std::string& titre : Titres(generateur)) articles.push_back(FaireArticle(generateur, titre));
    const auto debut = Horloge::now();
    const std::vector<unsigned char> emballee = EmballerDictionnaire("banc d'essai", articles);
    std::printf("payload          %8.1f MB packed in blocks (zstd + cipher: %.2f s)\n",
                double(emballee.size()) / 1e6, Secondes(debut));
    std::ofstream definitions(cheminDefinitions, std::ios::binary);
    for (const Article& article : articles)
        for (const Sens& sens : article.sens) definitions << sens.definition << '\n';
    definitions.close();
    return !emballee.empty() && EcrireFichier(cheminCharge, emballee) && definitions ? 0 : 1;
}

BlocOctets LireFichier(const std::string& chemin) {
    std::FILE* fichier = std::fopen(chemin.c_str(), "rb");
    if (fichier == nullptr) return BlocOctets();
    std::fseek(fichier, 0, SEEK_END);
    const long taille = std::ftell(fichier);
    std::fseek(fichier, 0, SEEK_SET);
    BlocOctets bloc = BlocOctets::Allouer(std::size_t(taille) + 1);
    const bool lu = taille > 0 && bloc.Capacite() > 0 &&
                    std::fread(bloc.Donnees(), 1, std::size_t(taille), fichier) == std::size_t(taille);
    std::fclose(fichier);
    if (!lu) return BlocOctets();
    bloc.Donnees()[taille] = 0;
    bloc.FixerTaille(std::uint32_t(taille));
    return bloc;
}

long PicMemoireKo() {
    std::ifstream etat("/proc/self/status");
    std::string ligne;
    while (std::getline(etat, ligne))
        if (ligne.rfind("VmHWM:", 0) == 0) return std::atol(ligne.c_str() + 6);
    return -1;
}

// The search traces every matching definition: keep that off the figures.
template <typename F>
auto SansSortieStandard(F&& action) {
    ChoisirPuitsTrace(PuitsTrace::Aucun);
    auto resultat = action();
    ChoisirPuitsTrace(PuitsTrace::SortieStandard);
    return resultat;
}

void ComparerAGrep(const std::string& mot, const std::string& cheminDefinitions) {
    const Chrono nous;
    const std::size_t trouves = SansSortieStandard([&] { return RechercherPleinTexte(mot, false).size(); });
    const double nousMs = nous.Ms(), nousCpu = nous.MsCpu();
    const std::string commande = "grep -F -c -- '" + mot + "' '" + cheminDefinitions + "'";
    const auto debut = Horloge::now();
    const double debutCpu = SecondesCpuEnfants();
    std::FILE* grep = popen(commande.c_str(), "r");
    long lignes = -1;
    if (grep != nullptr) {
        if (std::fscanf(grep, "%ld", &lignes) != 1) lignes = -1;
        pclose(grep);
    }
    const double grepMs = Secondes(debut) * 1e3, grepCpu = (SecondesCpuEnfants() - debutCpu) * 1e3;
    std::printf("full text %-15s %6.1f ms wall %6.1f ms cpu, %zu articles | grep -F -c %6.1f ms wall "
                "%6.1f ms cpu, %ld lines | ratio wall %.2f cpu %.2f\n",
                ("\"" + mot + "\"").c_str(), nousMs, nousCpu, trouves, grepMs, grepCpu, lignes,
                nousMs / grepMs, nousCpu / grepCpu);
}

}  // namespace

int main() {
    const char* tmp = std::getenv("TMPDIR");
    const std::string dossier = tmp != nullptr && *tmp ? tmp : "/tmp";
    const std::string cheminCharge = dossier + "/vocalia_bench_dictionnaire.bin";
    const std::string cheminDefinitions = dossier + "/vocalia_bench_definitions.txt";

    std::fflush(stdout);
    const pid_t enfant = fork();
    if (enfant == 0) {
        const int code = Fabriquer(cheminCharge, cheminDefinitions);
        std::fflush(stdout);
        _exit(code);
    }
    int statut = 0;
    if (enfant < 0 || waitpid(enfant, &statut, 0) != enfant || !WIFEXITED(statut) ||
        WEXITSTATUS(statut) != 0) {
        std::fprintf(stderr, "bench_dictionnaire: cannot build the synthetic data\n");
        return 1;
    }

    Chrono chrono;
    BlocOctets brut = LireFichier(cheminCharge);
    std::printf("read file        %8.1f ms wall %8.1f ms cpu (%u bytes)\n", chrono.Ms(), chrono.MsCpu(),
                brut.Taille());
    chrono = Chrono();
    DictionnairePrincipal& dictionnaire = DictionnaireCourant();
    const bool charge = dictionnaire.Ouvrir(brut.Donnees(), brut.Taille());
    std::printf("open (index)     %8.1f ms wall %8.1f ms cpu (%zu articles in %zu blocks%s)\n", chrono.Ms(),
                chrono.MsCpu(), dictionnaire.NombreArticles(), dictionnaire.NombreBlocs(),
                charge ? "" : ", UNREADABLE");
    if (!charge) return 1;
    chrono = Chrono();
    const std::size_t premiers = TrouverArticles(std::string(dictionnaire.Titre(dictionnaire.NombreArticles() / 2))).size();
    std::printf("first lookup     %8.3f ms wall %8.3f ms cpu (one block read, %zu articles)\n", chrono.Ms(),
                chrono.MsCpu(), premiers);
    const std::vector<std::string> titres = dictionnaire.Titres();
    std::mt19937 aleatoire(7);
    constexpr int RECHERCHES = 20000;  // most of them read a block
    std::size_t total = 0;
    chrono = Chrono();
    for (int i = 0; i < RECHERCHES; ++i)
        total += TrouverArticles(titres[aleatoire() % titres.size()]).size();
    std::printf("TrouverArticles  %8.3f us wall %8.3f us cpu per call (%zu articles copied)\n",
                chrono.Ms() * 1e3 / RECHERCHES, chrono.MsCpu() * 1e3 / RECHERCHES, total);
    constexpr int FENETRES = 20000;
    total = 0;
    chrono = Chrono();
    for (int i = 0; i < FENETRES; ++i)
        total += FenetreMots(titres[aleatoire() % titres.size()]).mots.size();
    std::printf("FenetreMots      %8.3f us wall %8.3f us cpu per call (%.1f lines on average)\n",
                chrono.Ms() * 1e3 / FENETRES, chrono.MsCpu() * 1e3 / FENETRES, double(total) / FENETRES);

    ComparerAGrep(MOT_RARE, cheminDefinitions);
    ComparerAGrep(TrouverArticles(titres.front()).front().sens[0].definition.substr(0, 4), cheminDefinitions);
    chrono = Chrono();
    const std::size_t avecExemples =
        SansSortieStandard([] { return RechercherPleinTexte(MOT_RARE, true).size(); });
    std::printf("full text with examples %8.1f ms wall %8.1f ms cpu, %zu articles\n", chrono.Ms(),
                chrono.MsCpu(), avecExemples);
    std::printf("peak RSS (VmHWM) %8.1f MB\n", double(PicMemoireKo()) / 1024);
    chrono = Chrono();
    const std::vector<Article> tous = dictionnaire.TousLesArticles();
    std::printf("every block      %8.1f ms wall %8.1f ms cpu (decipher, inflate, parse %zu articles)\n",
                chrono.Ms(), chrono.MsCpu(), tous.size());
    std::remove(cheminCharge.c_str());
    std::remove(cheminDefinitions.c_str());
    return 0;
}
