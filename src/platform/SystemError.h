#pragma once
// A failed system call as an errno value, whichever system reported it, so that each failure
// keeps its one message to the user.
#include <system_error>

// `error` as filesystem calls give it: an errno value, or on Windows often a Windows error code.
int ErrnoOf(const std::error_code& error);

#ifdef _WIN32
// A GetLastError() code as the nearest errno value; EIO for those without one.
int ErrnoOf(unsigned long windowsError);
#endif
