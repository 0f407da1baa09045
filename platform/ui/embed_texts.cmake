# Writes OUTPUT, a C++ file holding every TEXT_FOLDER/*.txt one after another (a line end after each),
# as the bytes that EnglishTextFiles() returns.
file(GLOB files ${TEXT_FOLDER}/*.txt)
list(SORT files)
set(bytes "")
foreach(file IN LISTS files)
    file(READ ${file} hex HEX)
    string(APPEND bytes "${hex}0a")
endforeach()
string(LENGTH "${bytes}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," array "${bytes}")
# Sixteen bytes a line (CMake's expressions know no repeat count).
string(REPEAT "'\\\\x..'," 16 sixteen)
string(REGEX REPLACE "(${sixteen})" "\\1\n    " array "${array}")
file(WRITE ${OUTPUT}.tmp
"// Generated from resources/texts/en/*.txt by platform/ui/embed_texts.cmake: do not edit.
#include \"platform/ui/english_texts.h\"

namespace platform {
namespace {

const char kEnglishTextFiles[] = {
    ${array}'\\0'};

}  // namespace

std::string_view EnglishTextFiles() { return {kEnglishTextFiles, ${size}}; }

}  // namespace platform
")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
