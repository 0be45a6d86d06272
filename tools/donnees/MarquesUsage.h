#pragma once
// The Littré's usage labels ("Familièrement", "Terme populaire", "Vieux"...)
// turned into the markers the main window's filters look for ("(familier)",
// "(populaire)", "(vieux)"...), placed at the start of a definition.
// Windows-1252.
#include <string>
#include <vector>

struct MarqueUsage {
    const char* libelle;  // as the Littré writes it
    const char* marqueur;
    bool enTeteSeulement;  // only recognised as the definition's first words
};

// The markers of the labels found in `definition`, in table order, each once.
std::vector<std::string> MarqueursDe(const std::string& definition);

// The definition with its markers in front ("(familier) Être marqué au b...");
// a label that opens the definition as a phrase of its own is dropped, since
// the marker says the same. `heritees` are markers that apply to the whole
// article (its head carries the label).
std::string DefinitionMarquee(const std::string& definition,
                              const std::vector<std::string>& heritees = {});
