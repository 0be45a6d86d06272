#pragma once
// The variables of an entry as numbers: for each variable position 1..39 of
// the current lexicon, the number of the entry's value for it.
#include <array>
#include <cstdint>
#include <map>
#include <string>

inline constexpr int NOMBRE_POSITIONS_VARIABLES = 40;

struct TableVariables {
    std::array<std::int32_t, NOMBRE_POSITIONS_VARIABLES> valeurs{};  // index 0 is never set
    std::int32_t tampon = 0;  // tells two vectors apart: a pseudo-random number
};

// These two variables are only ever compared letter by letter elsewhere:
// their positions always keep 0.
inline constexpr const char* VARIABLE_LETTRE_INITIALE = "lettre_initiale";
inline constexpr const char* VARIABLE_LETTRE_SUIVANTE = "lettre_suivante";

// Positions 0..39 that never receive a value under the current lexicon.
std::array<bool, NOMBRE_POSITIONS_VARIABLES> PositionsBarrees();

// The vector of `paires` (variable name -> value text) under the current
// lexicon: a value is stored at its variable's position when that position is
// 1..39 and not barred and the value has a number above 0. References to
// other variables ("#name") and unknown names or values are left out.
TableVariables CalculerVecteurVariables(const std::map<std::string, std::string>& paires);
