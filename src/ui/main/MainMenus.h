// The main window's menus, toolbar and pop-up menu, all filled from the one action list, and
// the model selection (the "&VNA" menu and the toolbar's model box).
#pragma once

class QMainWindow;
class QMenu;
class QToolBar;
class QToolButton;
class TMainActions;
class TVnaSelector;

struct TMainMenus {
    static constexpr int FileHelpContext = 3000;
    static constexpr int EditHelpContext = 3100;
    static constexpr int VnaHelpContext = 3200;
    static constexpr int GpibHelpContext = 3300;
    static constexpr int WindowHelpContext = 3400;
    static constexpr int HelpHelpContext = 3500;

    TMainMenus(QMainWindow& form, TMainActions& actions);

    QMenu* mnuFile;
    QMenu* mnuEdit;
    QMenu* mnuVNA;
    QMenu* mnuGPIB;
    QMenu* mnuWindow;
    QMenu* mnuHelp;
    // Hidden and disabled until the About window reveals it.
    QMenu* mnuDebug;
    // The pop-up menu of the main window and of every kit window.
    QMenu* PopupMenu;
    QToolBar* ToolBar;
    // The toolbar's Open button and its drop-down menu of recent files.
    QToolButton* OpenButton;
    QMenu* OpenButtonMenu;
    TVnaSelector* VnaSelector;
};
