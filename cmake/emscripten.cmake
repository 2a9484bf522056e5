# Cross build for the web with Debian's emscripten (package emscripten):
#   cmake -S . -B build-web -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/emscripten.cmake \
#         -DPEBBLOR_HOST_TOOLS_DIR=build -DBUILD_TESTING=OFF
# scripts/web does all of it and serves the page.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# The linker's JavaScript optimiser needs the acorn module of Debian's node-acorn, which a
# Node.js from elsewhere does not search for.
set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
