#include "app/AboutDialog.h"

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

AboutDialog::AboutDialog()
    : closeButton(LoadText(TextId::AboutClose), LoadText(TextId::ButtonExit)) {
    closeButton.OnClick = [this] { Close(); };
    Create();
}

void AboutDialog::Create() {
    Prepare();
}

void AboutDialog::Shown() {
    Prepare();
}

void AboutDialog::Prepare() {
    caption_ = LoadText(TextId::AboutCaption);
    scrollText.Stop();
    scrollText.SetLines(SplitLines(LoadText(TextId::AboutText)));
    scrollText.Start();
}

void AboutDialog::Close() {
    if (OnClose) {
        OnClose();
    }
}

}  // namespace brevolt
