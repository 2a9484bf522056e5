// Windows hands narrow programs their arguments in the system's code page: they are read
// again from the wide command line instead, and standard output is switched to binary.
#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "platform/ProgramArguments.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowsApi.h"

std::vector<std::string> ProgramArguments(int, char**) {
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(Utf8FromWide(wide[i]));
    LocalFree(wide);
    return arguments;
}

void MakeStandardOutputBinary() {
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
}
