#pragma once
// The per-user data folder, where the personal word list lives.
#include <string>

// The XDG data folder ($XDG_DATA_HOME, by default ~/.local/share) followed by
// "Quillon/Zeph/", trailing slash included. "Quillon/" is created when it is
// missing, and "Zeph/" only in that case: a user who made "Quillon" himself
// keeps it as he made it. "" when the user has no home folder at all.
std::string DossierDonneesUtilisateur();
