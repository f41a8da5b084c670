#include <windows.h>

#include "bench/ScreenView.h"
#include "win32/MainWindowView.h"

namespace brevolt::bench {
namespace {

class MainWindowOnScreen : public ScreenView {
  public:
    explicit MainWindowOnScreen(MainWindow& form) : view_(form) {
        ShowWindow(view_.handle(), SW_SHOWNORMAL);
        UpdateWindow(view_.handle());
    }

    void Settle() override {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        RedrawWindow(view_.handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }

  private:
    win32::MainWindowView view_;
};

}  // namespace

std::unique_ptr<ScreenView> ShowOnScreen(MainWindow& form) {
    return std::make_unique<MainWindowOnScreen>(form);
}

}  // namespace brevolt::bench
