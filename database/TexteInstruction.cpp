#include "database/TexteInstruction.h"

#include <cstdarg>
#include <cstdio>

std::string FormaterInstruction(const char* format, ...) {
    char tampon[TAILLE_INSTRUCTION];
    std::va_list arguments;
    va_start(arguments, format);
    const int longueur = std::vsnprintf(tampon, sizeof tampon, format, arguments);
    va_end(arguments);
    if (longueur < 0 || std::size_t(longueur) >= sizeof tampon) return std::string();
    return std::string(tampon, std::size_t(longueur));
}
