#include "platform/CommandMailer.h"

std::unique_ptr<CMailer> MakeSystemMailer() {
    return std::make_unique<CCommandMailer>();
}
