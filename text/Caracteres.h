#pragma once
// The character tables of French text (Windows-1252, one byte a character)
// and the one-byte functions built on them.

extern const char TableMinuscules[];         // 43 bytes
extern const char TableMajuscules[];         // 43 bytes
extern const char TableMajusculesEtendue[];  // 44 bytes
extern const char TableLettresDeBase[];      // 44 bytes
extern const char TableAccentuees[];         // 30 bytes
extern const char TableDesaccentuees[];      // 30 bytes
extern const char TableVoyelles[];           // 39 bytes
extern const char TableOrdreAlpha[];         // 114 bytes, collation order

char MinusculeCar(char c);
char LettreDeBase(char c);  // 'a'..'z', or 0 for anything that is not a table letter
char SansAccentCar(char c);
bool EstVoyelle(char c);
bool EstMajuscule(char c);
bool EstMinuscule(char c);
bool EstChiffre(char c);
bool EstAlphanumerique(char c);
// 1-based position in TableOrdreAlpha, 0 for a byte that is not there.
int RangAlpha(char c);
bool CarSuperieur(char a, char b);  // rank(a) > rank(b) in TableOrdreAlpha
// The ligatures count as two letters wherever words are ordered or keyed:
// 'e' or 'E' after the ligature's first letter; 0 for any other byte.
char SecondeLettreLigature(char c);
