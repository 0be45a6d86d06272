#pragma once
// One Littré entry (Pango markup, already in Windows-1252) turned into an
// Article: the head gives the category, attributes and pronunciation; each
// numbered sense and each sub-sense paragraph becomes a Sens whose examples
// are the citations that follow it; ÉTYMOLOGIE is the etymology; REMARQUE,
// PROVERBE and SYNONYME paragraphs and the SUPPLÉMENT's additions are
// appended as senses; HISTORIQUE (old French) stays out.
#include <string>

#include "data/Article.h"
#include "tools/donnees/NomsLittre.h"

// "quotation, AUTHOR, work" from a citation line; "" when the line is not
// one.
std::string ExempleDeCitation(const std::string& ligne);

Article ConvertirArticleLittre(const std::string& corps, const EntreeLittre& nom);
