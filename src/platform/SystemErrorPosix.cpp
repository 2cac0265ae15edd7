#include "platform/SystemError.h"

// The system's own error codes are errno values already.
int ErrnoOf(const std::error_code& error) {
    return error.value();
}
