#pragma once
// What is left, in built data, of the faults of the Littré's digitised text:
// senses said twice, senses glued together, headings that lost letters or
// were printed as senses, punctuation left hanging where a word was lost,
// and words written "oe" or "ae" where the spelling dictionary has the
// ligature. Counted by kind, with the first examples, beside the audit of
// categories. Windows-1252 inside, UTF-8 printed.
#include <cstdio>
#include <vector>

#include "data/Article.h"
#include "tools/donnees/AuditDonnees.h"
#include "tools/donnees/GraphieModerne.h"

struct AuditTexte {
    std::size_t articles = 0;
    ConstatAudit sensDoubles;           // a sense equal to the one before, or repeating its first sentence
    ConstatAudit sensColles;            // "réussi.La chose"
    ConstatAudit fragmentsDeTitre;      // "militaire.om donné", "P|olynice"
    ConstatAudit titresEnSens;          // "GRÊLANT, ANTE (grê-lan, lan-t'), adj. ..."
    ConstatAudit ponctuationPendante;   // "en grec , temps de loisir"
    ConstatAudit ligaturesDefinitions;  // articles whose own text has "oe" where hunspell wants "œ"
    ConstatAudit ligaturesCitations;    // articles whose citations have it
};

// True when the definition repeats itself: its first sentence comes again
// later in it ("Dépenser. Fig. Dépenser.").
bool SensRepete(const std::string& definition);
// "militaire.om donné": a full stop glued to a word in lower case that is no
// abbreviation, or a stray bar inside a word.
bool FragmentDeTitre(const std::string& texte);

// `connues`: the spelling dictionary's spellings (empty: no ligature check).
AuditTexte AuditerTexte(const std::vector<Article>& articles, const GraphiesConnues& connues);

void AfficherAuditTexte(std::FILE* sortie, const AuditTexte& audit, std::size_t exemples);
