#include <windows.h>

#include "base/UpperCase.h"
#include "base/WideText.h"

namespace brevolt::text {

std::string UpperCase(std::string_view utf8) {
    std::wstring wide = Widen(utf8);
    if (!wide.empty()) {
        CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
    }
    return Narrow(wide);
}

}  // namespace brevolt::text
