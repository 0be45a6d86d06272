#pragma once
// Text for a terminal: UTF-8 lines folded at a width counted in characters.
#include <string>

inline constexpr int TABULATION = 8;

// Every line longer than `largeur` is cut at the last space that fits (or
// inside the word when none does); the continuation lines are indented like
// the text after the line's own indent and "- " mark. Tabs count to the next
// multiple of 8. `largeur` 0 (or too small to hold an indent and a word):
// the text as it is.
std::string ReplierUtf8(const std::string& texte, int largeur);
