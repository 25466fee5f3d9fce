// The help window: the list of topics with a filter on the left, the topic on the right, and
// Contents, Back and Forward buttons. Escape and Ctrl+W close it. Its place and size are
// kept in the program's settings, like the main window's.
#pragma once

#include <QWidget>
#include <memory>

class QLineEdit;
class QListWidget;
class QTextBrowser;
class QToolButton;
class THelpTopics;
class TRegistrySettings;

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(const THelpTopics& topics, QWidget* parent = nullptr);
    ~THelpWindow() override;

    // Puts the window where the user last left it; the first time, or when that place is off
    // the screen now, centred on mainWindow (on the screen without one).
    void RestorePlacement(QWidget* mainWindow);

    // Shows the topic (a file name of the topics) and brings the window to the front.
    void ShowTopic(const QString& topic);
    // Puts text into the filter of the topic list, as the user would type it.
    void SetFilter(const QString& text);
    // The topic on display; empty before the first one.
    QString CurrentTopic() const;

    QTextBrowser& Browser() const { return *FBrowser; }
    QListWidget& TopicList() const { return *FList; }

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void FilterTopics(const QString& text);
    void SelectInList(const QString& topic);

    const THelpTopics& FTopics;
    QLineEdit* FFilter;
    QListWidget* FList;
    QTextBrowser* FBrowser;
    QToolButton* FContents;
    QToolButton* FBack;
    QToolButton* FForward;
    std::unique_ptr<TRegistrySettings> FPlacement;
};
