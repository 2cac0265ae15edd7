#include "platform/MapiMailerWindows.h"

#include <windows.h>
// windows.h first: mapi.h uses its types.
#include <mapi.h>

#include <vector>

#include "util/CodePage.h"
#include "util/SystemPath.h"

namespace {

constexpr ULONG kNotSupported = 26;  // MAPI_E_NOT_SUPPORTED: no mail program behind the DLL

std::wstring Wide(const std::string& utf8) {
    const int length =
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                          length);
    return wide;
}

// Simple MAPI takes texts in the system's code page.
std::string Ansi(const std::string& utf8) {
    const std::wstring wide = Wide(utf8);
    const int length = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                             nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(),
                          length, nullptr, nullptr);
    return ansi;
}

// The Windows mail settings: win.ini's "MAPI" of [MAIL] is 1 once a mail program serves Simple
// MAPI; and the library has to be on the search path.
bool MailSystemInstalled(const std::wstring& library) {
    if (::GetProfileIntW(L"MAIL", L"MAPI", 0) == 0) {
        return false;
    }
    wchar_t found[MAX_PATH];
    return ::SearchPathW(nullptr, library.c_str(), nullptr, MAX_PATH, found, nullptr) != 0;
}

template <typename Function>
Function* EntryPoint(void* entry) {
    return reinterpret_cast<Function*>(entry);
}

}  // namespace

CMapiMailer::CMapiMailer(std::string library) : library_(std::move(library)) {}

CMapiMailer::~CMapiMailer() {
    UnloadMailLibrary();
}

std::string CMapiMailer::MailSystemName() const {
    return "the Windows mail interface Simple MAPI, which a mail program such as Outlook or "
           "Thunderbird provides when it is set as the default mail program";
}

int CMapiMailer::LoadMailLibrary() {
    UnloadMailLibrary();
    const std::wstring library = Wide(library_);
    if (library_ == "MAPI32.DLL" && !MailSystemInstalled(library)) {
        return kNoMailSystem;
    }
    HMODULE module = ::LoadLibraryW(library.c_str());
    if (module == nullptr) {
        return kNoMailSystem;
    }
    module_ = module;
    logon_ = reinterpret_cast<void*>(::GetProcAddress(module, "MAPILogon"));
    send_ = reinterpret_cast<void*>(::GetProcAddress(module, "MAPISendMail"));
    logoff_ = reinterpret_cast<void*>(::GetProcAddress(module, "MAPILogoff"));
    if (logon_ == nullptr || send_ == nullptr || logoff_ == nullptr) {
        UnloadMailLibrary();
        return kMailLibraryIncomplete;
    }
    return kMailReady;
}

void CMapiMailer::UnloadMailLibrary() {
    logon_ = send_ = logoff_ = nullptr;
    if (module_ != nullptr) {
        ::FreeLibrary(static_cast<HMODULE>(module_));
        module_ = nullptr;
    }
}

CMailResult CMapiMailer::SendMail(const CMailMessage& message) {
    CMailResult result;
    if (send_ == nullptr) {
        result.code = kMailNoProgram;
        return result;
    }
    LHANDLE session = 0;
    const auto logon = EntryPoint<MAPILOGON>(logon_);
    if (logon(0, nullptr, nullptr, MAPI_NEW_SESSION, 0, &session) != SUCCESS_SUCCESS &&
        logon(0, nullptr, nullptr, 0, 0, &session) != SUCCESS_SUCCESS) {
        // No mail program lets us in: the user has to send the files by hand.
        result.code = kMailNoProgram;
        return result;
    }
    // The texts are the code page's; the paths UTF-8. Both reach MAPI in the system's code page.
    std::string subject = Ansi(Cp1252ToUtf8(message.subject));
    std::string note = Ansi(Cp1252ToUtf8(message.noteText));
    std::vector<std::string> addresses;
    for (const auto& address : message.recipients) {
        addresses.push_back(Ansi(Cp1252ToUtf8(address)));
    }
    std::vector<std::string> paths;
    for (const auto& path : message.attachments) {
        paths.push_back(Ansi(path));
    }
    std::vector<MapiRecipDesc> recipients(addresses.size());
    for (size_t i = 0; i < addresses.size(); ++i) {
        recipients[i].ulRecipClass = MAPI_TO;
        recipients[i].lpszName = addresses[i].data();
    }
    std::vector<MapiFileDesc> files(paths.size());
    for (size_t i = 0; i < paths.size(); ++i) {
        files[i].nPosition = static_cast<ULONG>(-1);  // not placed in the note's text
        files[i].lpszPathName = paths[i].data();
        files[i].lpszFileName = paths[i].data();
    }
    MapiMessage mail{};
    mail.lpszSubject = subject.data();
    mail.lpszNoteText = note.data();
    mail.nRecipCount = static_cast<ULONG>(recipients.size());
    mail.lpRecips = recipients.empty() ? nullptr : recipients.data();
    mail.nFileCount = static_cast<ULONG>(files.size());
    mail.lpFiles = files.empty() ? nullptr : files.data();

    const ULONG code = EntryPoint<MAPISENDMAIL>(send_)(session, 0, &mail, MAPI_DIALOG, 0);
    EntryPoint<MAPILOGOFF>(logoff_)(session, 0, 0, 0);
    result.code = code == kNotSupported ? kMailNoProgram : static_cast<int>(code);
    result.attachmentsTaken = code == SUCCESS_SUCCESS;
    return result;
}
