// The commands of the "&Help" menu except About: the contents, What's This?, the quick-start
// tutorial, how to use help and the maker's home page. Installs the program's help system
// with the main window's rule for help requests.
#pragma once

#include <QObject>
#include <QPoint>

class THelpSystem;
class TMainForm;
class TWhatsThisMode;
struct TGridHelpScope;

class THelpCommands : public QObject {
    Q_OBJECT
public:
    // Installs the help system owned by form and connects the help commands of its action
    // list, which stay enabled. Requests for a topic by keyword are shown; requests for a
    // topic by context number are taken as handled without being shown (F1 is the contents
    // command here, and the topics of single controls come as What's-This pop-ups).
    explicit THelpCommands(TMainForm& form);
    ~THelpCommands() override;

    THelpSystem& Help() const { return *FHelp; }
    TWhatsThisMode& WhatsThisMode() const { return *FWhatsThis; }

    void HelpContentsExecute();
    // The next click asks for the pop-up topic of the control, menu command or grid cell
    // under it.
    void HelpWhatsThisExecute();
    void HelpOnHelpExecute();
    void HelpTutorialExecute();
    // Opens the home page in the desktop's browser; when that fails, the message dialog shows
    // the address.
    void HelpHomePageExecute();

private:
    // The grids of the active kit window, with its kit's model for the cell offsets.
    TGridHelpScope GridHelpScope() const;
    void WhatsThisChosen(int context, const QPoint& globalPos);

    TMainForm& FForm;
    THelpSystem* FHelp;
    TWhatsThisMode* FWhatsThis;
};
