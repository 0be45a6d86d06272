#pragma once
// Repairs of the text of one Littré sense, where the digitised source lost
// what the printed page shows: a summary merged into the senses it sums up,
// two senses glued by a lost line break, a heading left in capitals, a word
// dropped before its comma. Windows-1252.
#include <cstddef>
#include <string>
#include <vector>

#include "data/Article.h"

// The text of a numbered sense, given the gloss that the table of senses at
// the head of a long entry gives it. That table sums up senses which follow
// in full, so the gloss is not repeated before them; it stands in for a sense
// with no words of its own (a bare "Fig." before citations), and mends a
// first word whose letters the source lost ("mucher et avaler" under
// "Mâcher et avaler").
std::string TexteAvecGlose(const std::string& texte, const std::string& glose);

// The senses of a paragraph in which the source glued several: a full stop
// followed, without a blank, by the capital that opens the next one ("rien
// n'a réussi.La chose s'en va faite"). What is left of a lost section title
// ("TORIQUE :") is dropped. A paragraph without such a join gives itself.
std::vector<std::string> SensDecolles(const std::string& texte);

// The same joins given a blank, for the paragraphs that stay one block
// (remarks, synonymies): "une majuscule.On écrira" -> "une majuscule. On écrira".
std::string JointuresEspacees(const std::string& texte);

// Where the source lost a sense's number and the first letter of its text
// ("en émail.rgane de la vue considéré..."), the letter back, taken from the
// gloss of the table of senses that starts like the rest ("Organe de la vue
// considéré..."); SensDecolles then splits there.
std::string TetesRendues(const std::string& texte, const std::vector<std::string>& gloses);

// True at a full stop that joins two senses (`texte[i]` is '.').
bool JointureDeSens(const std::string& texte, std::size_t i);

// A supplement paragraph that opens with its headword's heading, "GRÊLANT,
// ANTE (grê-lan, lan-t'), adj. Où il grêle.", reads "Grêlant, ante, adj. Où
// il grêle.": the word as a word, without the pronunciation.
std::string EnTeteEnClair(const std::string& texte);

// A blank before a comma or a full stop, left where the source lost the word
// (a Greek one, mostly: "en grec , temps de loisir"), and the empty
// parentheses of the same loss, removed.
std::string SansPonctuationPendante(const std::string& texte);

// True when the text still holds such a blank or such parentheses.
bool PonctuationPendante(const std::string& texte);

// Over the whole Littré: where a sense's number and the capital after it were
// lost ("l'amour.ar extension, la faculté de sentir"), the capital is the one
// that makes of the fragment's first word a word that opens many senses of
// the dictionary ("Par"), when only one does; the senses are then split.
// A bar inside a word ("P|olynice") goes too. Returns the number of senses
// mended.
std::size_t RendreLettresPerdues(std::vector<Article>& articles);
