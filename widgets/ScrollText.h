#pragma once

#include <functional>
#include <string>
#include <vector>

#include "widgets/ChangeNotifier.h"

namespace brevolt::widgets {

// A panel whose lines scroll upwards as one block, one pixel a step, entering again from below
// once they have left at the top. The user can hold the text with the mouse and drag it up and
// down; releasing it lets it scroll on from there.
class ScrollText : public ChangeNotifier {
  public:
    // The height a line takes in the panel's font at this width: a wrapped line counts once per
    // row it spans, an empty line as one row.
    using LineMeasure = std::function<int(const std::string& line, int width)>;

    ScrollText();

    void SetLines(std::vector<std::string> lines);
    const std::vector<std::string>& Lines() const { return lines_; }
    void SetPanelSize(int width, int height);
    void SetMeasure(LineMeasure measure);

    // The height of the block: its lines, never less than the panel.
    int BlockHeight() const;
    // The block's top edge relative to the panel's top.
    int Top() const { return top_; }

    // Starts scrolling with the block just above the panel, so that it enters from below.
    void Start();
    void Stop();
    bool Running() const { return running_; }
    // One step of the scrolling (a timer's tick).
    void Step();

    // The user holds the text at this height, drags it there, lets it go.
    void MouseDown(int y);
    void MouseMove(int y);
    void MouseUp();
    bool Held() const { return held_; }

  private:
    void moveTo(int top);

    std::vector<std::string> lines_;
    int width_ = 0;
    int height_ = 0;
    LineMeasure measure_;
    int top_ = 0;
    bool running_ = false;
    bool held_ = false;
    int heldAt_ = 0;
    int heldTop_ = 0;
};

}  // namespace brevolt::widgets
