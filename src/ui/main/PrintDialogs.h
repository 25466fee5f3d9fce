// The page setup and print dialogs of the print commands. Both work on the printer they are
// given; the program shows the desktop's dialogs, tests answer in their place.
#pragma once

class QPrinter;
class QWidget;

class TPrintDialogs {
public:
    static constexpr int PrintHelpContext = 2610;
    static constexpr int PageSetupHelpContext = 2615;

    virtual ~TPrintDialogs() = default;
    // Lets the user choose paper and margins for printer; true when accepted.
    virtual bool PageSetup(QPrinter& printer) = 0;
    // Lets the user choose the printer of a one-page job; true when accepted.
    virtual bool Print(QPrinter& printer) = 0;
};

// The desktop's dialogs.
class TDesktopPrintDialogs final : public TPrintDialogs {
public:
    explicit TDesktopPrintDialogs(QWidget* parent) : FParent(parent) {}
    bool PageSetup(QPrinter& printer) override;
    bool Print(QPrinter& printer) override;

private:
    QWidget* FParent;
};
