// The small animation of the About window, drawn by the program: a reflection trace winding
// in towards the centre of a Smith chart, redrawn a little further on every tick while the
// widget is shown.
#pragma once

#include <QTimer>
#include <QWidget>

class TAboutAnimation : public QWidget {
    Q_OBJECT
public:
    explicit TAboutAnimation(QWidget* parent = nullptr);

    bool IsRunning() const { return FTimer.isActive(); }
    // Frames drawn since the widget was created; the trace starts over after FrameCount.
    int Frame() const { return FFrame; }

    static constexpr int FrameCount = 120;
    static constexpr int TickMilliseconds = 40;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Tick();

    QTimer FTimer;
    int FFrame = 0;
};
