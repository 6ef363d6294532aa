// The real message boxes: no owner window, as the program's boxes always are.
#pragma once

#include "core/message_boxes.h"

namespace yf {

class SystemMessageBoxes : public MessageBoxes {
public:
    int Show(std::string_view text, std::string_view caption, unsigned flags) override;
};

}  // namespace yf
