// Shell helpers for driving the X display.
#include "XSession.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "support/SimRun.h"

std::optional<std::string> RunCommand(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return std::nullopt;
    std::string output;
    char buffer[4096];
    size_t got = 0;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, got);
    if (pclose(pipe) != 0) return std::nullopt;
    return output;
}

void StartCommand(const std::string& command) {
    std::system(("(" + command + ") >/dev/null 2>&1 &").c_str());
}

bool HaveTool(const std::string& name) {
    return RunCommand("command -v " + ShellQuote(name) + " >/dev/null").has_value();
}

std::optional<std::string> FindWindow(const std::string& title) {
    std::optional<std::string> found =
        RunCommand("timeout 20 xdotool search --sync --onlyvisible --name " +
                   ShellQuote("^" + title + "$") + " 2>/dev/null | head -n 1");
    if (!found || found->empty()) return std::nullopt;
    while (!found->empty() && (found->back() == '\n' || found->back() == ' ')) found->pop_back();
    return found;
}

void PressKeyWhenShown(const std::string& title, const std::string& key) {
    // xwininfo lists every window with its title, boxes without a class included.
    const std::string pattern = ShellQuote("\"" + title + "\":");
    StartCommand(
        "for attempt in $(seq 200); do"
        " window=$(xwininfo -root -tree | grep -F -- " +
        pattern +
        " | awk '{print $1}' | head -n 1);"
        " if [ -n \"$window\" ]; then"
        " xdotool windowfocus --sync \"$window\" key " +
        ShellQuote(key) +
        "; exit; fi;"
        " sleep 0.1; done");
}

namespace {

// The geometry xwininfo prints for a window.
std::optional<ScreenRect> XwininfoGeometry(const std::string& arguments) {
    std::optional<std::string> info = RunCommand("xwininfo " + arguments);
    if (!info) return std::nullopt;
    ScreenRect rect;
    std::istringstream lines(*info);
    std::string line;
    while (std::getline(lines, line)) {
        const size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        const std::string key = line.substr(0, colon);
        const int value = std::atoi(line.c_str() + colon + 1);
        if (key.find("Absolute upper-left X") != std::string::npos) rect.x = value;
        if (key.find("Absolute upper-left Y") != std::string::npos) rect.y = value;
        if (key.find("Width") != std::string::npos) rect.width = value;
        if (key.find("Height") != std::string::npos) rect.height = value;
    }
    return rect;
}

// A binary PPM of the root window or of a part of it.
Surface ReadScreen(const std::string& crop) {
    // "P6\n<width> <height>\n255\n" and then RGB bytes.
    std::optional<std::string> ppm =
        RunCommand("import -window root " + crop + " -depth 8 ppm:- 2>/dev/null");
    if (!ppm) return Surface();
    std::istringstream in(*ppm);
    std::string magic;
    int width = 0;
    int height = 0;
    int maximum = 0;
    in >> magic >> width >> height >> maximum;
    in.get();
    if (magic != "P6" || maximum != 255 || width <= 0 || height <= 0) return Surface();
    const size_t start = size_t(in.tellg());
    if (ppm->size() < start + size_t(width) * size_t(height) * 3) return Surface();
    Surface screen(width, height);
    const auto* bytes = reinterpret_cast<const uint8_t*>(ppm->data() + start);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint8_t* rgb = bytes + (size_t(y) * size_t(width) + size_t(x)) * 3;
            screen.Set(x, y, MakePixel(rgb[0], rgb[1], rgb[2]));
        }
    }
    return screen;
}

}  // namespace

std::optional<ScreenRect> WindowGeometry(const std::string& windowId) {
    // The client area's place on the screen, inside any window manager frame.
    return XwininfoGeometry("-id " + ShellQuote(windowId));
}

std::optional<ScreenRect> ScreenSize() { return XwininfoGeometry("-root"); }

Surface Screenshot() { return ReadScreen(""); }

Surface Screenshot(const ScreenRect& area) {
    return ReadScreen("-crop " + std::to_string(area.width) + "x" + std::to_string(area.height) +
                      "+" + std::to_string(area.x) + "+" + std::to_string(area.y) + " +repage");
}
