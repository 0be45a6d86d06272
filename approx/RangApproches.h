#pragma once
// Where a candidate stands in the ranked result. The distance comes first;
// within reach of it, the commoner word goes first, and a word whose first
// letter's case is not the typed word's goes after those whose case is: a
// word typed in lower case looks for a common word before a commune or a
// proper name, one typed with a capital for the proper name first. The
// typed word itself (distance 0) stays ahead of everything.
#include <cstdint>
#include <string>

// How far a distance may be made up for: the rarest word is this much behind
// the commonest at the same distance (in distance units), a word of the other
// case that much more. A candidate further ahead than both keeps its place.
inline constexpr int RETARD_RARETE_MAX = 10;
inline constexpr int RETARD_CASSE = 5;
// The commonness figure counts in classes of doubling size (1, 2-3, 4-7...);
// from this class on a word counts as fully common.
inline constexpr int CLASSE_COURANTE = 10;

int ClasseFrequence(std::uint32_t figure);
// 0 for a fully common word, up to RETARD_RARETE_MAX for a word of figure 0.
int RetardRarete(std::uint32_t figure);
// True when the first letters of the two words differ in case (a word that
// starts with no letter counts as lower case).
bool CassesOpposees(const std::string& tape, const std::string& candidat);
int RangCandidat(const std::string& tape, const std::string& candidat, int distance, std::uint32_t figure);
