#include "shell/ArgumentsVocalia.h"

#include "text/Cp1252.h"
#include "text/SaisieUtf8.h"

#ifndef VOCALIA_VERSION
#define VOCALIA_VERSION "?"
#endif

namespace {
// The first line of a request says what it is; a word follows on the second, in UTF-8.
constexpr const char* ENTETE_FENETRE = "vocalia fenetre\n";
constexpr const char* ENTETE_MOT = "vocalia mot\n";
constexpr const char* ENTETE_SELECTION = "vocalia selection\n";

bool CommencePar(const std::string& texte, const std::string& debut) { return texte.compare(0, debut.size(), debut) == 0; }

// The word of the command line in the program's text; false with the fault named.
bool LireMot(const std::string& utf8, std::string& mot, std::string& erreur) {
    const SaisieLue lue = LireSaisieUtf8(utf8);
    if (lue.defaut != DefautSaisie::Aucun) {
        erreur = MessageDefautSaisie(lue);
        return false;
    }
    mot = lue.texte;
    return true;
}
}  // namespace

bool LireArgumentsVocalia(const std::vector<std::string>& arguments, ArgumentsVocalia& lus, std::string& erreur) {
    lus = ArgumentsVocalia{};
    std::vector<std::string> mots;
    bool finOptions = false;
    bool selection = false;
    for (const std::string& argument : arguments) {
        if (finOptions || argument.empty() || argument[0] != '-' || argument == "-") {
            mots.push_back(argument);
        } else if (argument == "--") {
            finOptions = true;
        } else if (argument == "--help" || argument == "-h") {
            lus.action = ActionVocalia::Aide;
            return true;
        } else if (argument == "--version") {
            lus.action = ActionVocalia::Version;
            return true;
        } else if (argument == "--selection") {
            selection = true;
        } else {
            erreur = "option inconnue : " + argument;
            return false;
        }
    }
    std::string utf8;
    for (std::size_t i = 0; i < mots.size(); ++i) utf8 += (i ? " " : "") + mots[i];
    if (selection) {
        if (!mots.empty()) {
            erreur = "--selection ne prend pas de mot";
            return false;
        }
        lus.demande.type = DemandeRecherche::Type::Selection;
        return true;
    }
    if (mots.empty()) return true;
    lus.demande.type = DemandeRecherche::Type::Mot;
    return LireMot(utf8, lus.demande.mot, erreur);
}

const char* TexteAideVocalia() {
    return "usage : vocalia [MOT | --selection]\n"
           "Le dictionnaire Vocalia dans sa fen\xC3\xAAtre. Une seule fen\xC3\xAAtre par utilisateur : si elle\n"
           "est d\xC3\xA9j\xC3\xA0 ouverte, elle passe devant et montre le mot demand\xC3\xA9.\n"
           "\n"
           "  MOT            ouvre la fen\xC3\xAAtre sur les articles de MOT (m\xC3\xAAme recherche que\n"
           "                 \xC2\xAB rechercher \xC2\xBB, capitales, accents manquants et \xC3\xA9lisions pardonn\xC3\xA9s)\n"
           "  --selection    cherche le texte s\xC3\xA9lectionn\xC3\xA9 dans une autre application (la\n"
           "                 s\xC3\xA9lection primaire, sinon le presse-papiers), r\xC3\xA9" "duit \xC3\xA0 son premier\n"
           "                 mot ou \xC3\xA0 sa premi\xC3\xA8re locution ; \xC3\xA0 lier \xC3\xA0 un raccourci clavier\n"
           "  --help         ce texte\n"
           "  --version      la version\n"
           "\n"
           "Code de sortie : 0, ou 2 pour une erreur d'usage. Dans un terminal, sans\n"
           "fen\xC3\xAAtre : vocalia-dico MOT.\n";
}

std::string TexteVersionVocalia() { return std::string("vocalia ") + VOCALIA_VERSION + "\n"; }

std::string NomPriseFenetre(const char* afficheurWayland, const char* afficheurX) {
    const char* afficheur = afficheurWayland && *afficheurWayland ? afficheurWayland : afficheurX;
    std::string nom = "fenetre";
    if (!afficheur || !*afficheur) return nom;
    nom += '-';
    for (const char* c = afficheur; *c; ++c) {
        const bool sur = (*c >= 'a' && *c <= 'z') || (*c >= 'A' && *c <= 'Z') || (*c >= '0' && *c <= '9') || *c == '.' ||
                         *c == '-';
        nom += sur ? *c : '_';
    }
    return nom;
}

std::string EncoderDemande(const DemandeRecherche& demande) {
    switch (demande.type) {
        case DemandeRecherche::Type::Aucune: return ENTETE_FENETRE;
        case DemandeRecherche::Type::Mot: return ENTETE_MOT + Cp1252VersUtf8(demande.mot);
        case DemandeRecherche::Type::Selection: return ENTETE_SELECTION;
    }
    return ENTETE_FENETRE;
}

std::optional<DemandeRecherche> DecoderDemande(const std::string& message) {
    DemandeRecherche demande;
    if (message == ENTETE_FENETRE) return demande;
    if (message == ENTETE_SELECTION) {
        demande.type = DemandeRecherche::Type::Selection;
        return demande;
    }
    if (!CommencePar(message, ENTETE_MOT)) return std::nullopt;
    const SaisieLue lue = LireSaisieUtf8(std::string_view(message).substr(std::string(ENTETE_MOT).size()));
    if (lue.defaut != DefautSaisie::Aucun) return std::nullopt;
    demande.type = DemandeRecherche::Type::Mot;
    demande.mot = lue.texte;
    return demande;
}
