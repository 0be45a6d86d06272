#pragma once
// A file written whole or not at all. The new content goes into a file of a
// unique name beside the target, which then takes the target's place in one
// rename: a reader, another instance or an interrupted build never sees a
// half-written file, and a link planted at the target's name is replaced,
// never written through. The provisional file is removed on failure.
#include <functional>
#include <string>
#include <string_view>

// `remplir` writes the new content at the path it is given and says whether
// it succeeded. False when it fails or the file cannot be put in place.
bool RemplacerFichier(const std::string& chemin, const std::function<bool(const std::string& provisoire)>& remplir);

// The same with content in memory.
bool RemplacerFichier(const std::string& chemin, std::string_view contenu);
