#include "tools/dico/ArgumentsDico.h"

#include <array>
#include <utility>

#include "text/SaisieUtf8.h"

namespace {

struct OptionMode {
    const char* nom;
    ModeDico mode;
};
constexpr std::array<OptionMode, 5> OPTIONS_MODE = {{
    {"--approches", ModeDico::Approches},
    {"--conjugaison", ModeDico::Conjugaison},
    {"--plein-texte", ModeDico::PleinTexte},
    {"--liste", ModeDico::Liste},
    {"--help", ModeDico::Aide},
}};

// Option -> key of the window's check boxes.
constexpr std::array<std::pair<const char*, const char*>, 4> OPTIONS_DETAILS = {{
    {"--etymologie", "etymologie"},
    {"--flexions", "flexions"},
    {"--synonymes", "synonymes"},
    {"--antonymes", "antonymes"},
}};
constexpr std::array<std::pair<const char*, const char*>, 3> OPTIONS_TYPES = {{
    {"--sans-vieilli", "vieilli"},
    {"--sans-argot", "argot"},
    {"--sans-villes", "villeshabitants"},
}};

OptionsFiltre OptionsDecochees() {
    OptionsFiltre o;
    for (const auto& [option, cle] : OPTIONS_DETAILS) o.DetailsInclus[cle] = false;
    for (const auto& [option, cle] : OPTIONS_TYPES) o.TypesExclus[cle] = false;
    return o;
}

// True when `argument` is one of the options that tick a box.
bool CocherOption(const std::string& argument, OptionsFiltre& options) {
    if (argument == "--tout") {
        for (const auto& [option, cle] : OPTIONS_DETAILS) options.DetailsInclus[cle] = true;
        return true;
    }
    for (const auto& [option, cle] : OPTIONS_DETAILS)
        if (argument == option) return options.DetailsInclus[cle] = true;
    for (const auto& [option, cle] : OPTIONS_TYPES)
        if (argument == option) return options.TypesExclus[cle] = true;
    return false;
}

bool ChoisirMode(const std::string& argument, ArgumentsDico& lus, std::string& erreur, bool& reconnu) {
    reconnu = false;
    for (const OptionMode& option : OPTIONS_MODE) {
        if (argument != option.nom) continue;
        reconnu = true;
        if (lus.mode != ModeDico::Articles && lus.mode != option.mode) {
            erreur = "une seule des options --approches, --conjugaison, --plein-texte, --liste";
            return false;
        }
        lus.mode = option.mode;
    }
    return true;
}

}  // namespace

bool LireArguments(const std::vector<std::string>& arguments, ArgumentsDico& lus, std::string& erreur) {
    lus = ArgumentsDico{};
    lus.options = OptionsDecochees();
    std::vector<std::string> mots;
    bool finOptions = false;
    for (const std::string& argument : arguments) {
        if (finOptions || argument.size() < 2 || argument.compare(0, 2, "--") != 0) {
            mots.push_back(argument);
            continue;
        }
        if (argument == "--") {
            finOptions = true;
            continue;
        }
        if (argument == "--exemples") {
            lus.dansExemples = true;
            continue;
        }
        if (CocherOption(argument, lus.options)) continue;
        bool reconnu = false;
        if (!ChoisirMode(argument, lus, erreur, reconnu)) return false;
        if (!reconnu) {
            erreur = "option inconnue : " + argument;
            return false;
        }
    }
    if (lus.mode == ModeDico::Aide) return true;
    if (lus.dansExemples && lus.mode != ModeDico::PleinTexte) {
        erreur = "--exemples ne va qu'avec --plein-texte";
        return false;
    }
    for (std::size_t i = 0; i < mots.size(); ++i) lus.mot += (i ? " " : "") + mots[i];
    if (lus.mot.find_first_not_of(" \t") == std::string::npos) {
        erreur = "il manque le mot";
        return false;
    }
    // Refused rather than read as other bytes: a word made of them would be
    // looked up and reported as unknown, which misleads.
    erreur = MessageDefautSaisie(LireSaisieUtf8(lus.mot));
    return erreur.empty();
}

const char* TexteAide() {
    return "usage : vocalia-dico [OPTIONS] MOT\n"
           "Le dictionnaire Vocalia dans le terminal : les articles de MOT tels que la\n"
           "fen\xC3\xAAtre les montre, apr\xC3\xA8s la m\xC3\xAAme recherche (le mot, puis ses formes fl\xC3\xA9" "chies).\n"
           "Les blancs autour, l'apostrophe typographique, l'article ou le pronom \xC3\xA9lid\xC3\xA9,\n"
           "la ponctuation autour, les capitales, oe pour \xC5\x93 et les accents manquants sont\n"
           "pardonn\xC3\xA9s ; ce qui a \xC3\xA9t\xC3\xA9 chang\xC3\xA9 est dit sur la sortie d'erreur. Chaque article\n"
           "suit une ligne qui porte son mot, ce qui s\xC3\xA9pare les homographes.\n"
           "\n"
           "D\xC3\xA9tails des articles :\n"
           "  --etymologie     l'\xC3\xA9tymologie\n"
           "  --flexions       les formes fl\xC3\xA9" "chies\n"
           "  --synonymes      les synonymes\n"
           "  --antonymes      les antonymes\n"
           "  --tout           les quatre d\xC3\xA9tails\n"
           "Filtres :\n"
           "  --sans-vieilli   sans les sens vieillis\n"
           "  --sans-argot     sans les sens d'argot\n"
           "  --sans-villes    sans les villes et leurs habitants\n"
           "Autres recherches (une seule \xC3\xA0 la fois) :\n"
           "  --approches      les mots approch\xC3\xA9s, les plus proches d'abord\n"
           "  --conjugaison    le tableau de conjugaison du verbe\n"
           "  --plein-texte    les mots dont un sens contient le texte (casse comprise)\n"
           "    --exemples     cherche aussi dans les exemples\n"
           "  --liste          les mots voisins dans la liste du dictionnaire, le mot marqu\xC3\xA9\n"
           "                   de \xC2\xAB > \xC2\xBB (pour un texte qui n'est pas une entr\xC3\xA9" "e, l'entr\xC3\xA9" "e la\n"
           "                   plus proche de sa place)\n"
           "  --help           ce texte\n"
           "\n"
           "Code de sortie : 0 quand quelque chose a \xC3\xA9t\xC3\xA9 \xC3\xA9" "crit, 1 quand le mot est\n"
           "introuvable (les mots approch\xC3\xA9s sont propos\xC3\xA9s sur la sortie d'erreur),\n"
           "2 pour une erreur d'usage (dont un mot qui n'est pas en UTF-8, qui contient un\n"
           "caract\xC3\xA8re de commande ou un caract\xC3\xA8re que le fran\xC3\xA7" "ais en Windows-1252 ne\n"
           "conna\xC3\xAEt pas).\n";
}
