#include "lexique/Numerotations.h"

#include <algorithm>

Numerotation Numeroter(std::vector<std::string> textes, int premier) {
    std::sort(textes.begin(), textes.end());
    Numerotation numerotation;
    int numero = premier;
    for (std::string& texte : textes) {
        numerotation.numeros[texte] = numero;
        numerotation.textes.emplace(numero, std::move(texte));
        ++numero;
    }
    return numerotation;
}
