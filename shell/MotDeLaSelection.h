#pragma once
// The word a reader selected somewhere else and wants looked up: a
// selection often carries the rest of its sentence. Windows-1252 text.
#include <string>

#include "rendu/OptionsFiltre.h"
#include "rendu/RechercheTolerante.h"

inline constexpr std::size_t MOTS_LOCUTION_MAX = 5;

// Of the selection's first line that holds a letter, the longest run of its
// first words (up to MOTS_LOCUTION_MAX) that the forgiving lookup finds, so
// that a locution comes whole ("pomme de terre" out of "pomme de terre
// cuite"); the first word alone when none is found. Without the blanks and
// punctuation around. Empty when the selection holds no word.
std::string MotDeLaSelection(const std::string& selection, const CarteOptions& typesExclus);
std::string MotDeLaSelection(const SourcesArticles& sources, const std::string& selection,
                             const CarteOptions& typesExclus);
