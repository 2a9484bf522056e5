// Preloaded into the desktop game by the benchmarks: notes the moment the first frame and
// each repaint reach the window, as lines "SECONDS frame|repaint WIDTHxHEIGHT CPU-SECONDS"
// (the window's size, the processor time the game has used so far) in the file that
// PEBBLOR_PROBE_LOG names. A repaint shows the whole window, a frame a part of it. Later
// frames are not noted: writing a line for each would add to the idle CPU it measures.
#include <SDL.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

FILE* Log() {
    static FILE* const log = [] {
        const char* path = std::getenv("PEBBLOR_PROBE_LOG");
        return path != nullptr ? std::fopen(path, "w") : nullptr;
    }();
    return log;
}

void Note(const char* what, int width, int height) {
    FILE* log = Log();
    if (log == nullptr) return;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    std::fprintf(log, "%lld.%09ld %s %dx%d %lld.%09ld\n", static_cast<long long>(now.tv_sec),
                 now.tv_nsec, what, width, height, static_cast<long long>(used.tv_sec),
                 used.tv_nsec);
    std::fflush(log);
}

// SDL's own function of that name, past this library.
template <typename Function>
Function Next(const char* name) {
    void* symbol = dlsym(RTLD_NEXT, name);
    Function function = nullptr;
    static_assert(sizeof function == sizeof symbol);
    std::memcpy(&function, &symbol, sizeof function);
    return function;
}

}  // namespace

extern "C" int SDL_UpdateWindowSurfaceRects(SDL_Window* window, const SDL_Rect* rects, int count) {
    static const auto next =
        Next<int (*)(SDL_Window*, const SDL_Rect*, int)>("SDL_UpdateWindowSurfaceRects");
    const int result = next(window, rects, count);
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window, &width, &height);
    bool whole = false;
    for (int i = 0; i < count; ++i) {
        whole = whole ||
                (rects[i].x == 0 && rects[i].y == 0 && rects[i].w == width && rects[i].h == height);
    }
    static bool framed = false;
    if (whole) {
        Note("repaint", width, height);
    } else if (!framed) {
        framed = true;
        Note("frame", width, height);
    }
    return result;
}

extern "C" int SDL_UpdateWindowSurface(SDL_Window* window) {
    static const auto next = Next<int (*)(SDL_Window*)>("SDL_UpdateWindowSurface");
    const int result = next(window);
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window, &width, &height);
    Note("repaint", width, height);
    return result;
}
