#pragma once
// The name under which an output is written before it is renamed into place.
// It carries the process number: two builders writing the same output at once
// (a parallel build that runs one command twice) never write through each
// other's file, and the last rename simply wins with a whole file.
#include <unistd.h>

#include <string>

inline std::string NomProvisoire(const std::string& chemin) {
    return chemin + "." + std::to_string(getpid()) + ".part";
}
