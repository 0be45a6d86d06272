#pragma once
// The command line of the window: "vocalia [MOT | --selection]", and the
// request one process hands the window already running for the same user.
#include <optional>
#include <string>
#include <vector>

// What the window looks up when it opens or is handed a request.
struct DemandeRecherche {
    enum class Type { Aucune, Mot, Selection };
    Type type = Type::Aucune;
    std::string mot;  // Windows-1252, for Type::Mot
    bool operator==(const DemandeRecherche&) const = default;
};

enum class ActionVocalia { Fenetre, Aide, Version };

struct ArgumentsVocalia {
    ActionVocalia action = ActionVocalia::Fenetre;
    DemandeRecherche demande;
};

// False with a one-line reason (UTF-8) for a usage error: an unknown option,
// --selection with a word, a word that is not French text. Several
// arguments are one word with spaces, as vocalia-dico takes them.
bool LireArgumentsVocalia(const std::vector<std::string>& arguments, ArgumentsVocalia& lus, std::string& erreur);

// The --help and --version texts (UTF-8).
const char* TexteAideVocalia();
std::string TexteVersionVocalia();

// The name of the socket the window listens on in the private folder: one
// window per user and per display ("fenetre-_0" for DISPLAY=:0; the Wayland
// display first), so that two sessions of one user keep a window each.
// Characters other than letters, digits, '.' and '-' become '_'.
std::string NomPriseFenetre(const char* afficheurWayland, const char* afficheurX);

// The request as the bytes sent to the running window, and back; nullopt
// for bytes that are no request.
std::string EncoderDemande(const DemandeRecherche& demande);
std::optional<DemandeRecherche> DecoderDemande(const std::string& message);
