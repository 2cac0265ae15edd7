// A stand-in for the e-mail program of the view tests on Windows, where the shell script of the
// Linux tests cannot run: it writes its arguments, one per line and in UTF-8, to the file that
// TAVORIN_RECORDED_ARGUMENTS names, and reports success.
#include <windows.h>
// windows.h first: shellapi.h uses its types.
#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? static_cast<size_t>(size) : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
    bytes.resize(bytes.size() - 1);
    return bytes;
}

}  // namespace

int main() {
    const wchar_t* recorded = _wgetenv(L"TAVORIN_RECORDED_ARGUMENTS");
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (recorded == nullptr || arguments == nullptr) {
        return 2;
    }
    FILE* out = _wfopen(recorded, L"wb");
    if (out == nullptr) {
        return 2;
    }
    for (int i = 1; i < count; ++i) {
        std::fputs(Utf8(arguments[i]).c_str(), out);
        std::fputc('\n', out);
    }
    LocalFree(arguments);
    return std::fclose(out) == 0 ? 0 : 2;
}
