#include "app/TfrmAbout.h"

#include <vector>

#include "resources/Texts.h"

namespace brevolt {
namespace {

using resources::LoadText;
using resources::TextId;

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const auto end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) {
            return lines;
        }
        start = end + 2;
    }
}

}  // namespace

TfrmAbout::TfrmAbout() : B_Empfangen(LoadText(TextId::AboutClose), LoadText(TextId::ButtonExit)) {
    B_Empfangen.OnClick = [this] { B_EmpfangenClick(); };
    FormCreate();
}

void TfrmAbout::FormCreate() {
    Prepare();
}

void TfrmAbout::FormShow() {
    Prepare();
}

void TfrmAbout::Prepare() {
    caption_ = LoadText(TextId::AboutCaption);
    JvScrollText1.Stop();
    JvScrollText1.SetLines(SplitLines(LoadText(TextId::AboutText)));
    JvScrollText1.Start();
}

void TfrmAbout::B_EmpfangenClick() {
    if (OnClose) {
        OnClose();
    }
}

}  // namespace brevolt
