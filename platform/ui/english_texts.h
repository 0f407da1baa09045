// The English text files, compiled into the program (generated from resources/texts/en/*.txt).
#pragma once

#include <string_view>

namespace platform {

// Every English file's lines one after another, as written (Windows-1252).
std::string_view EnglishTextFiles();

}  // namespace platform
