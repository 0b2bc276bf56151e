// Message boxes that record what they were asked to show and answer from a
// script the test sets up (IDOK when the script has run dry).
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace fake {

struct ShownBox {
    std::string text;
    std::string caption;
    std::uint32_t style = 0;
    bool extended = false;       // MessageBoxExA rather than MessageBoxA
    std::uint16_t language = 0;  // only for MessageBoxExA
};

class FakeMessageBoxes {
  public:
    std::vector<ShownBox> shown;
    std::deque<int> answers;

    void Reset() { *this = FakeMessageBoxes{}; }
    int Show(ShownBox box);
};

FakeMessageBoxes& MessageBoxes();

}  // namespace fake
