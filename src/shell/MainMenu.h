#pragma once
// The main window's menu bar as the model describes it: menus of commands with their texts
// (mnemonics marked with &), shortcuts in the portable form ("Ctrl+1", "F1") and enabled states.
// The view builds its widgets from this and sends back the command numbers.
#include <functional>
#include <string>
#include <vector>

struct CMenuCommand {
    int command = 0;  // 0 for a separator
    std::string text;
    std::string shortcut;
    bool enabled = true;
    // A submenu (the recent competitions) and its commands.
    std::vector<CMenuCommand> submenu;
    bool isSubmenu = false;
};

struct CMenu {
    std::string name;  // a stable name for the view's object names
    std::string text;
    std::vector<CMenuCommand> commands;
};

class CMainMenu {
public:
    // The menu bar's own commands; the steps use their buttons' ids.
    static constexpr int kOpenCompetitionCommand = 40001;
    static constexpr int kOpenStudioFolderCommand = 40002;
    static constexpr int kQuitCommand = 40003;
    static constexpr int kHelpContentsCommand = 40004;
    static constexpr int kAboutCommand = 40005;
    // The "Open recent" submenu itself; its lines are kFirstRecentCommand + their index.
    static constexpr int kRecentMenu = 40009;
    static constexpr int kFirstRecentCommand = 40010;
    static constexpr int kLastRecentCommand = 40019;

    // File, Steps and Help. `recent` are the setup files of File > Open recent; `enabled` says
    // whether a command (a step button's id or one of the above) can be given now.
    static std::vector<CMenu> Build(const std::vector<std::string>& recent,
                                    const std::function<bool(int)>& enabled);
};
