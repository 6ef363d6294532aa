// Message boxes as the logic asks for them: text, caption and the platform's flag bits. The
// program shows them without owner and task-modal; tests answer them with a fake.
#pragma once

#include <string_view>

namespace yf {

namespace box {
// MessageBox flag bits and answers (winuser.h values), usable in portable code.
constexpr unsigned kOk = 0x0;
constexpr unsigned kYesNo = 0x4;
constexpr unsigned kIconError = 0x10;
constexpr unsigned kIconQuestion = 0x20;
constexpr unsigned kIconExclamation = 0x30;
constexpr unsigned kIconInformation = 0x40;
constexpr unsigned kTaskModal = 0x2000;

constexpr int kAnswerOk = 1;
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;
}  // namespace box

struct MessageBoxes {
    virtual ~MessageBoxes() = default;
    // Shows a box and returns the button pressed (box::kAnswer*).
    virtual int Show(std::string_view text, std::string_view caption, unsigned flags) = 0;
};

}  // namespace yf
