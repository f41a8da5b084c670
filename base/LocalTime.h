#pragma once

namespace brevolt {

// A moment on the user's clock, as the program tells it.
struct LocalTime {
    int year = 0;
    int month = 0;  // 1 to 12
    int day = 0;    // 1 to 31
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const LocalTime&) const = default;
};

}  // namespace brevolt
