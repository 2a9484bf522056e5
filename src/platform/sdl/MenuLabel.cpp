// Mnemonic markers in menu texts.
#include "platform/sdl/MenuLabel.h"

namespace {

uint32_t KeyForCharacter(char c) {
    if (c >= 'a' && c <= 'z') return uint32_t(c - 'a' + 'A');
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return uint32_t(c);
    return 0;
}

}  // namespace

MenuLabel ParseMenuLabel(std::string_view marked) {
    MenuLabel label;
    for (size_t i = 0; i < marked.size(); ++i) {
        if (marked[i] == '&' && i + 1 < marked.size()) {
            ++i;
            if (marked[i] != '&' && label.mnemonicIndex < 0) {
                label.mnemonicIndex = int(label.text.size());
                label.mnemonicKey = KeyForCharacter(marked[i]);
            }
        } else if (marked[i] == '&') {
            continue;  // a lone marker at the end shows nothing
        }
        label.text += marked[i];
    }
    return label;
}
