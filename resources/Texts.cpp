#include "resources/Texts.h"

namespace brevolt::resources {

// Portable builds read the texts compiled in; the Windows build reads the executable's
// string table instead (win32/ResourceTexts.cpp), which the resource compiler fills from the
// same list.
std::string LoadText(TextId id) {
    switch (id) {
#define BREVOLT_TEXT(name, number, text) \
    case TextId::name:                   \
        return text;
#include "resources/Texts.def"
#undef BREVOLT_TEXT
    }
    return {};
}

}  // namespace brevolt::resources
