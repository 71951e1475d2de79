#include "cli/Commands.h"

#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <shellapi.h>

#include <cstdio>

namespace {

std::string utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return {};
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.resize(static_cast<size_t>(size - 1));
    return out;
}

// The arguments as the user typed them, in UTF-8: the narrow argv holds only what the ANSI code
// page can spell, and a folder named in another script would be lost.
std::vector<std::string> wideArguments() {
    std::vector<std::string> args;
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!argv)
        return args;
    for (int i = 1; i < count; ++i)
        args.push_back(utf8(argv[i]));
    LocalFree(argv);
    return args;
}

} // namespace
#endif

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
#ifdef _WIN32
    // The output is UTF-8 with "\n" line ends on every platform (files given with -o are written
    // byte for byte anyway); a console shows it as UTF-8.
    (void)argc;
    (void)argv;
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
    const std::vector<std::string> args = wideArguments();
#else
    const std::vector<std::string> args(argv + 1, argv + argc);
#endif
    return tombrel::cli::run(args, std::cout, std::cerr);
}
