#include "platform/CommandMailer.h"
#include "platform/MapiMailerWindows.h"
#include "util/SystemPath.h"

// A mail command of the user's own choosing comes before the system's mail interface.
std::unique_ptr<CMailer> MakeSystemMailer() {
    if (!EnvironmentValue("TAVORIN_MAIL_COMMAND").empty()) {
        return std::make_unique<CCommandMailer>();
    }
    return std::make_unique<CMapiMailer>();
}
