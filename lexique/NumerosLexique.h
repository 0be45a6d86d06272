#pragma once
// Number services on the current lexicon: the most recently constructed
// lexicon with a database side. Each reads the table it needs on first use.
#include <string>

class dictionnaire;

// Null before the first lexicon, and again once that lexicon is destroyed.
dictionnaire* LexiqueCourant();
// For the lexicon itself: at construction, and at destruction (it stops
// being current only if it still was).
void FixerLexiqueCourant(dictionnaire* lexique);
void OublierLexiqueCourant(const dictionnaire* lexique);

// 0 when the word is unknown or there is no current lexicon.
int NumeroMot(const std::string& mot);
// 0 when unknown, without current lexicon, or when the lexicon numbers no
// variable or more than 1000 of them. The first name in byte order is
// numbered 0 too.
int NumeroVariable(const std::string& nom);
// "" for 0, for an unknown number or without current lexicon.
std::string NomVariable(int numero);
// "#name" gives minus the variable number of name; any other text its value
// number, 0 when unknown, without current lexicon, or when the lexicon
// numbers no value or more than 1000 of them.
int NumeroValeur(const std::string& texte);
// A negative number n gives "#var_" and -n; a positive one its value text.
// "" for 0, for an unknown number or without current lexicon.
std::string TexteValeur(int numero);
