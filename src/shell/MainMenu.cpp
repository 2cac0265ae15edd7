#include "shell/MainMenu.h"

#include "shell/MainDialog.h"

namespace {

// A path in a menu line: an & in it is a letter, not a mnemonic.
std::string MenuLiteral(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        escaped += c;
        if (c == '&') {
            escaped += '&';
        }
    }
    return escaped;
}

CMenuCommand Separator() {
    return {};
}

}  // namespace

std::vector<CMenu> CMainMenu::Build(const std::vector<std::string>& recent,
                                    const std::function<bool(int)>& enabled) {
    const auto command = [&](int id, std::string text, std::string shortcut = {}) {
        return CMenuCommand{id, std::move(text), std::move(shortcut), enabled(id), {}, false};
    };

    CMenuCommand recentMenu = command(kRecentMenu, "Open &recent");
    recentMenu.isSubmenu = true;
    for (std::size_t i = 0;
         i < recent.size() && kFirstRecentCommand + static_cast<int>(i) <= kLastRecentCommand;
         ++i) {
        const int id = kFirstRecentCommand + static_cast<int>(i);
        // Appended piece by piece: GCC 12 warns falsely on a literal joined to a temporary.
        std::string text = "&";
        text.append(std::to_string(i + 1)).append(" ").append(MenuLiteral(recent[i]));
        recentMenu.submenu.push_back(command(id, text));
    }

    CMenu file{"fileMenu",
               "&File",
               {command(kOpenCompetitionCommand, "&Open competition...", "Ctrl+O"), recentMenu,
                command(kOpenStudioFolderCommand, "Open studio &folder in the file manager"),
                Separator(), command(kQuitCommand, "&Quit", "Ctrl+Q")}};
    CMenu steps{
        "stepsMenu",
        "&Steps",
        {command(CMainDialog::kStudioId, "(&1) View and edit studio data", "Ctrl+1"),
         command(CMainDialog::kPersonsId, "(&2) Add/edit/delete persons", "Ctrl+2"),
         command(CMainDialog::kPurchasesId, "(&3) Add/delete non-dance purchases", "Ctrl+3"),
         command(CMainDialog::kEntriesId, "(&4) Add/edit/delete dance entries", "Ctrl+4"),
         command(CMainDialog::kReportId, "(&5) View summary report to check your data", "Ctrl+5"),
         Separator(), command(CMainDialog::kDisketteId, "(6) Make &diskette for organizer"),
         command(CMainDialog::kEmailId, "(6) &Email data to organizer using your e-mail program"),
         command(CMainDialog::kDataFileId, "(&6) Make data file to send to organizer", "Ctrl+6")}};
    CMenu help{"helpMenu",
               "&Help",
               {command(kHelpContentsCommand, "&Contents", "F1"),
                command(CMainDialog::kHelpId, "&Read this before starting"), Separator(),
                command(kAboutCommand, "&About Tavorin...")}};
    return {file, steps, help};
}
