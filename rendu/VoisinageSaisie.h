#pragma once
// Where a text being typed would stand in the word list: the list that
// follows the typing in the main window, and vocalia-dico's --liste on a
// text that is no headword. Windows-1252 text.
#include <string>

#include "data/Dictionnaire.h"

// The headword equal to the text in French order, else the first one after
// it (the word the text begins, as a reader types it), else the last one.
// Blanks around the text and typographic apostrophes do not count. Empty for
// an empty text or an empty dictionary.
std::string TeteLaPlusProche(const std::string& texte);
std::string TeteLaPlusProche(const DictionnairePrincipal& dictionnaire, const std::string& texte);

// FenetreMots around that headword, with it selected; empty when there is none.
FenetreListe FenetreDeLaSaisie(const std::string& texte, int apres = 30, int avant = 20);
FenetreListe FenetreDeLaSaisie(const DictionnairePrincipal& dictionnaire, const std::string& texte, int apres = 30,
                               int avant = 20);
