// One page of the kit editor's page control: it lays itself out for the kit's model, shows
// the kit's values and puts back the text of its own cells on undo and redo.
#pragma once

#include <QString>

class QWidget;
class TVna;

class TEditorPage {
public:
    virtual ~TEditorPage() = default;

    // The page's tab: 1 standards, 2 class assignments, 3 kit properties.
    virtual int PageTag() const = 0;
    virtual QWidget& PageWidget() = 0;

    // Lays the page out for vna (rows, columns, enabled parts).
    virtual void BuildPage(const TVna& vna) = 0;
    // Shows the kit's values again.
    virtual void RefreshPage() = 0;
    // The page became the shown one (or the window became active with it shown).
    virtual void EnterPage() = 0;
    // Applies text to the place named by an undo action's tag when that place is on this
    // page, shows the page and moves to the place; false for other pages' tags.
    virtual bool RestoreTyping(int tag, const QString& text) = 0;
};
