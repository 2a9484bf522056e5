// File comparison and writing through a temporary file renamed into place.
#include "FileOutput.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

bool SameContent(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    const std::vector<uint8_t> existing((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
    return existing == bytes;
}

}  // namespace

bool WriteFileIfChanged(const std::string& path, const std::vector<uint8_t>& bytes) {
    if (SameContent(path, bytes)) {
        return true;
    }
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        out.close();
        if (!out) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

bool WriteFileIfChanged(const std::string& path, const std::string& text) {
    return WriteFileIfChanged(path, std::vector<uint8_t>(text.begin(), text.end()));
}
