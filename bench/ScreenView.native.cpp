#include "bench/ScreenView.h"

namespace brevolt::bench {

std::unique_ptr<ScreenView> ShowOnScreen(MainWindow& /*form*/) {
    return nullptr;
}

}  // namespace brevolt::bench
