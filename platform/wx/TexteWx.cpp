#include "platform/wx/TexteWx.h"

#include "text/Cp1252.h"

wxString VersWx(const std::string& cp1252) { return wxString::FromUTF8(Cp1252VersUtf8(cp1252)); }

std::string DepuisWx(const wxString& texte) {
    const wxScopedCharBuffer utf8 = texte.utf8_str();
    return Utf8VersCp1252(std::string_view(utf8.data(), utf8.length()));
}

std::string SansRetoursChariot(const std::string& texte) {
    std::string resultat;
    resultat.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] == '\r' && i + 1 < texte.size() && texte[i + 1] == '\n') continue;
        resultat += texte[i];
    }
    return resultat;
}

std::string AvecRetoursChariot(const std::string& texte) {
    std::string resultat;
    resultat.reserve(texte.size() + texte.size() / 16);
    for (char c : texte) {
        if (c == '\n') resultat += '\r';
        resultat += c;
    }
    return resultat;
}
