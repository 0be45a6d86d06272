#pragma once
// Which verb "conjugaison" opens. Windows-1252 text.
#include <string>

#include "rendu/RechercheTolerante.h"

// The word in the box when it is a verb or an inflected form of one ("finir";
// "aimons" gives "aimer"); otherwise the verb whose articles are shown
// (`motAffiche`), if it is one; otherwise the box's text as it stands, so
// that the warning names what was typed ("Aimer" at start-up).
std::string VerbeDeLaSaisie(const std::string& saisie, const std::string& motAffiche);
std::string VerbeDeLaSaisie(const SourcesArticles& sources, const std::string& saisie, const std::string& motAffiche);

// True when the box's text is a verb or an inflected form of one.
bool SaisieDonneUnVerbe(const std::string& saisie);
bool SaisieDonneUnVerbe(const SourcesArticles& sources, const std::string& saisie);
