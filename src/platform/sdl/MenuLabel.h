// Menu texts with an '&' before the mnemonic letter ("&&" stands for one '&').
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct MenuLabel {
    std::string text;          // as shown, without the markers
    int mnemonicIndex = -1;    // the underlined character in text; -1 when none
    uint32_t mnemonicKey = 0;  // its virtual key (upper-case letter or digit); 0 when none
};

MenuLabel ParseMenuLabel(std::string_view marked);
