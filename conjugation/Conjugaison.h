#pragma once
// The conjugation database behind the "conjugaison" command: put in the
// user's private folder once, each request reads one verb's row from it.
// No window here (conjugation/fenetre/ shows the text), so that the terminal
// command reads the same rows without the dialog layer.
#include <cstddef>
#include <string>

inline constexpr const char* RESSOURCE_CONJUGAISONS = "HNSJDIFOKEUGJSH";
inline constexpr const char* NOM_COPIE_CONJUGAISONS = "zephjugaisons.tmp";
// Used when ChargerConjugaison is given no path, relative to the current folder.
inline constexpr const char* BASE_CONJUGAISONS_DEFAUT = "zephconjugaisons.";
inline constexpr std::size_t CAPACITE_TEXTE_CONJUGAISON = 10000;
extern const char* const MOT_DE_PASSE_CONJUGAISONS;

// The path of the on-disk copy in the private folder (DossierPrive), written
// again unless the file there is ours and holds exactly the embedded
// database. False, with an empty path, when there is no safe folder.
bool PreparerBaseConjugaisons(std::string& chemin);

// The verb's text (LF line ends) from the database at `chemin`; false, with
// an empty text and one trace line, when it cannot be had.
bool ChargerConjugaison(const std::string& verbe, const std::string& chemin, std::string& texte);
