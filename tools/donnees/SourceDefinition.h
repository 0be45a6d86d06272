#pragma once
// Where an article's definition comes from, read from the article alone so
// that the built data can be audited as the program loads it: the Littré's
// text, Vocalia's own definitions (labelled on the category line), a
// commune of the register, or none (the builder's articles for words no
// source defines). Windows-1252.
#include <string>

#include "data/Article.h"

// Our definitions carry this attribute; the rendering shows its text on
// the category line, after the gender and the Littré's head, so the reader
// sees the source of every article.
inline constexpr const char* ATTRIBUT_SOURCE = "8source";
extern const char* const TEXTE_SOURCE_VOCALIA;

// The sense that names the other headwords a form belongs to: it defines
// nothing, and stays after our senses when they replace a missing definition.
extern const char* const DEBUT_SENS_RENVOI;

enum class SourceDefinition { Littre, Vocalia, Aucune, Commune };

// The builder's senses that stand where a definition is missing ("Mot
// postérieur au Littré ...", "Seuls des synonymes de ce mot sont connus : ...").
bool SensSansDefinition(const std::string& definition);
bool SensRenvoi(const std::string& definition);

// Aucune: at least one sense, every one missing a definition or a cross-reference.
SourceDefinition SourceDeDefinition(const Article& article);
