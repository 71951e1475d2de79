#pragma once

// Runs the built tombrel-cli in a child process and collects its exit status and both output
// streams; and a fresh folder for the files of one test.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace tombrel::clitest {

struct CliResult {
    int status = -1; // exit status; -1 when the program did not exit normally
    std::string out;
    std::string err;
};

inline int processId() {
#ifdef _WIN32
    return ::_getpid();
#else
    return static_cast<int>(::getpid());
#endif
}

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::vector<uint8_t> readBytes(const std::filesystem::path& path) {
    const std::string text = readFile(path);
    return std::vector<uint8_t>(text.begin(), text.end());
}

inline void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline void writeFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

class Scratch {
public:
    Scratch() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "tombrel_cli_";
        name += info ? std::string(info->test_suite_name()) + "_" + info->name() : "test";
        for (char& c : name) {
            if (c == '/')
                c = '_';
        }
        path_ = std::filesystem::temp_directory_path() / (name + "_" + std::to_string(processId()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~Scratch() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

#ifdef _WIN32

// One argument quoted for CommandLineToArgvW: backslashes are literal except before a quote.
inline std::wstring quotedArgument(const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos)
        return arg;
    std::wstring out = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, L'\\');
    return out + L"\"";
}

// The tool lies beside the test program.
inline std::filesystem::path cliProgram() {
    std::wstring self(MAX_PATH, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    return std::filesystem::path(self).parent_path() / L"tombrel-cli.exe";
}

#endif

// Runs the program with the arguments (no shell in between) and waits for it. Arguments and
// paths are UTF-8.
inline CliResult runCli(const std::vector<std::string>& args) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    const std::string stem = "tombrel_cli_run_" + std::to_string(processId());
    const std::filesystem::path outPath = dir / (stem + ".out");
    const std::filesystem::path errPath = dir / (stem + ".err");
    CliResult result;

#ifdef _WIN32
    const std::filesystem::path program = cliProgram();
    std::wstring commandLine = quotedArgument(program.wstring());
    for (const std::string& a : args)
        commandLine +=
            L" " +
            quotedArgument(std::filesystem::path(std::u8string(a.begin(), a.end())).wstring());
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    const auto create = [&](const std::filesystem::path& p) {
        return CreateFileW(p.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    const HANDLE out = create(outPath);
    const HANDLE err = create(errPath);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    if (out != INVALID_HANDLE_VALUE && err != INVALID_HANDLE_VALUE &&
        CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                       nullptr, &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        if (GetExitCodeProcess(process.hProcess, &code))
            result.status = static_cast<int>(code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    if (out != INVALID_HANDLE_VALUE)
        CloseHandle(out);
    if (err != INVALID_HANDLE_VALUE)
        CloseHandle(err);
#else
    std::vector<std::string> argvText;
    argvText.push_back(TOMBREL_CLI_PATH);
    argvText.insert(argvText.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : argvText)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid < 0)
        return result;
    if (pid == 0) {
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0)
            ::_exit(127);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    if (::waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        result.status = WEXITSTATUS(status);
#endif
    result.out = readFile(outPath);
    result.err = readFile(errPath);
    std::error_code ec;
    std::filesystem::remove(outPath, ec);
    std::filesystem::remove(errPath, ec);
    return result;
}

// The lines of a text with "\n" ends (a last line without one counts too).
inline std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            out.push_back(text.substr(start));
            break;
        }
        out.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

} // namespace tombrel::clitest
