#pragma once
// The user's personal word list: a text file of key=value lines, read only,
// whose header carries a control value over the labels of its records.
#include <string>
#include <vector>

class dictionnaire;

struct EntreePerso {
    std::string type;
    std::string titre;
    std::string libelle;
    std::string genre;
    std::string nombre;
    std::string description;
    bool actif = false;   // only the exact value "true" sets it
    bool valide = false;  // true once read from a line
    std::string formesingulier;
    std::string formepluriel;
    std::string SousType;
};

// One record line: pieces cut at ',', each cut at its first '=', keys and
// values trimmed, the first occurrence of a key winning.
EntreePerso LireEntreePerso(const std::string& ligne);

inline constexpr const char* NOM_LISTE_PERSO = "dicoperso.txt";
inline constexpr const char* ERREUR_FICHIER_VIDE = "fichier vide";
inline constexpr const char* ERREUR_VERSION = "version de fichier incompatible, mettre \xE0 jour le logiciel";
inline constexpr const char* ERREUR_CONTROLE = "donn\xE9" "es corrompues, contr\xF4le incorrect";

class ListePerso {
public:
    explicit ListePerso(dictionnaire* lexique) : lexique_(lexique) {}

    // Reads `nom` from the user's data folder, or from the current folder
    // when the data folder cannot be entered. False with the records
    // untouched and `erreur` unchanged when the file cannot be opened; false
    // with no record and `erreur` set when it is empty, of another version or
    // fails its control.
    bool ChargerListePerso(const std::string& nom, std::string& erreur);
    // The first ten lower-case hexadecimal digits of the MD5 of all labels
    // joined without separator.
    std::string ControleListePerso() const;

    const std::vector<EntreePerso>& Entrees() const { return entrees_; }
    const std::string& NomFichier() const { return nomFichier_; }
    dictionnaire* Lexique() const { return lexique_; }

private:
    std::vector<EntreePerso> entrees_;
    std::string nomFichier_;
    dictionnaire* lexique_;
};

// Where ChargerListePerso looks for `nom`: inside `dossier` when it can be
// entered, otherwise `nom` as it is, relative to the current folder.
std::string CheminListePerso(const std::string& dossier, const std::string& nom);
