#pragma once
// Key material of the dictionary resources, derived at run time.
#include <string>

std::string CleDictionnaire();
std::string IvDictionnaire();
std::string CleFlexions();
std::string IvFlexions();
