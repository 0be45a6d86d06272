#pragma once
// Key material of the approximate search's resources: the phonetic rules and
// the key indexes. Derived at run time so that no key sits whole in the binary.
#include <string>

std::string CleRegles();
std::string IvRegles();
// The key of a key index: one 28-byte sequence common to all kinds, mixed
// with the kind's own 6-character string, which is also the index's IV.
std::string CleIndexApproches(const char* chaineType);
