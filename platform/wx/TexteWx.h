#pragma once
// The one crossing between the program's Windows-1252 text and the toolkit's strings.
#include <string>

#include <wx/string.h>

wxString VersWx(const std::string& cp1252);
std::string DepuisWx(const wxString& texte);

// A multi-line edit holds LF line ends in the toolkit and CR LF in the program.
std::string SansRetoursChariot(const std::string& texte);
std::string AvecRetoursChariot(const std::string& texte);
