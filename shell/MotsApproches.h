#pragma once
// The approximate words of a typed word, best first, from the engine the
// window and the terminal command share.
#include <string>
#include <vector>

// The lexicon and the engine are made on the first call of the run and kept
// to the end: the engine loads its indexes once, and the lexicon turns its
// distance ranking on.
std::vector<std::string> MotsApproches(const std::string& mot);
