#pragma once
// Names of files under construction: hidden, random, and within the usual
// 255-byte limit of a name.
#include <string>

// ".<name>.<16 hex digits>.tmp"; the name is cut where no UTF-8 character is
// split, and the digits differ from call to call.
std::string TemporaryName(const std::string& name);
