// Breaking long lines at spaces.
#include "platform/sdl/LineWrap.h"

namespace {

void AppendWrapped(std::string& out, std::string_view line, size_t columns) {
    while (line.size() > columns) {
        size_t split = line.rfind(' ', columns);
        if (split == std::string_view::npos || split == 0) split = line.find(' ', columns);
        if (split == std::string_view::npos) break;
        out.append(line.substr(0, split));
        out += '\n';
        line.remove_prefix(split + 1);
    }
    out.append(line);
}

}  // namespace

std::string WrapLines(std::string_view text, size_t columns) {
    std::string out;
    out.reserve(text.size());
    for (;;) {
        const size_t end = text.find('\n');
        AppendWrapped(out, text.substr(0, end), columns);
        if (end == std::string_view::npos) return out;
        out += '\n';
        text.remove_prefix(end + 1);
    }
}
