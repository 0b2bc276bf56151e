#include "fake_message_box.h"

#include "platform/message_box.h"

namespace fake {

FakeMessageBoxes& MessageBoxes() {
    static FakeMessageBoxes boxes;
    return boxes;
}

int FakeMessageBoxes::Show(ShownBox box) {
    shown.push_back(std::move(box));
    if (answers.empty()) return platform::kIdOk;
    int answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace fake

namespace platform {

int ShowMessageBox(const std::string& text, const std::string& caption, std::uint32_t style) {
    return fake::MessageBoxes().Show({text, caption, style, false, 0});
}

int ShowMessageBoxEx(const std::string& text, const std::string& caption, std::uint32_t style,
                     std::uint16_t language) {
    return fake::MessageBoxes().Show({text, caption, style, true, language});
}

}  // namespace platform
