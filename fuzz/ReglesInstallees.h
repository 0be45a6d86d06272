#pragma once
// The harnesses that transcribe work under the program's own phonetic rules,
// read once from the source file (the fuzzing builds embed no resource),
// which is UTF-8 as the program never sees it.
#include <fstream>
#include <iterator>
#include <string>

#include "approx/ReglesPhonetiques.h"
#include "fuzz/Harnais.h"
#include "text/Cp1252.h"

inline void InstallerReglesSource() {
    static const bool installees = [] {
        std::ifstream fichier(VOCALIA_REGLES_SOURCE, std::ios::binary);
        const std::string texte((std::istreambuf_iterator<char>(fichier)), std::istreambuf_iterator<char>());
        EXIGER(!texte.empty());
        InstallerRegles(Utf8VersCp1252(texte));
        return true;
    }();
    (void)installees;
}
