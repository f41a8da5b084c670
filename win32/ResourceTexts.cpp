#include <windows.h>

#include "base/WideText.h"
#include "resources/Texts.h"

namespace brevolt::resources {

// The Windows build reads its texts from the executable's string table.
std::string LoadText(TextId id) {
    const wchar_t* text = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), static_cast<UINT>(id),
                                   reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? text::Narrow({text, static_cast<std::size_t>(length)}) : std::string();
}

}  // namespace brevolt::resources
