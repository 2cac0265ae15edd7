// A stand-in for MAPI32.DLL: keeps what the program handed to MAPISendMail, as one line of text,
// and answers as the variable TAVORIN_STANDIN_MAPI says ("logon fails", or a result code).
#include <windows.h>
// windows.h first: mapi.h uses its types.
#include <mapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

char lastCall[8192];
int logons = 0;

void Add(const char* format, const char* text, unsigned long number) {
    const size_t used = std::strlen(lastCall);
    std::snprintf(lastCall + used, sizeof lastCall - used, format, text, number);
}

const char* Answer() {
    const char* answer = std::getenv("TAVORIN_STANDIN_MAPI");
    return answer != nullptr ? answer : "";
}

}  // namespace

extern "C" __declspec(dllexport) ULONG WINAPI
    MAPILogon(ULONG_PTR, LPSTR, LPSTR, FLAGS flags, ULONG, LPLHANDLE session) {
    ++logons;
    if (std::strcmp(Answer(), "logon fails") == 0) {
        return MAPI_E_LOGIN_FAILURE;
    }
    *session = 7;
    lastCall[0] = '\0';
    Add("logon %s%lu;", "", flags);
    return SUCCESS_SUCCESS;
}

extern "C" __declspec(dllexport) ULONG WINAPI
    MAPISendMail(LHANDLE session, ULONG_PTR, lpMapiMessage message, FLAGS flags, ULONG) {
    Add("send %s%lu ", "", static_cast<unsigned long>(session));
    Add("flags %s%lu;", "", flags);
    Add("subject %s;", message->lpszSubject, 0);
    Add("note %s;", message->lpszNoteText, 0);
    for (ULONG i = 0; i < message->nRecipCount; ++i) {
        Add("to %s ", message->lpRecips[i].lpszName, 0);
        Add("class %s%lu;", message->lpRecips[i].lpszAddress ? "address " : "",
            message->lpRecips[i].ulRecipClass);
    }
    for (ULONG i = 0; i < message->nFileCount; ++i) {
        const MapiFileDesc& file = message->lpFiles[i];
        Add("file %s ", file.lpszPathName, 0);
        Add("named %s ", file.lpszFileName, 0);
        Add("at %s%ld;", "", static_cast<long>(file.nPosition));
    }
    return static_cast<ULONG>(std::atoi(Answer()));
}

extern "C" __declspec(dllexport) ULONG WINAPI MAPILogoff(LHANDLE session, ULONG_PTR, FLAGS, ULONG) {
    Add("logoff %s%lu;", "", static_cast<unsigned long>(session));
    return SUCCESS_SUCCESS;
}

// What the tests read back.
extern "C" __declspec(dllexport) const char* StandInLastCall() {
    return lastCall;
}
extern "C" __declspec(dllexport) int StandInLogons() {
    return logons;
}
