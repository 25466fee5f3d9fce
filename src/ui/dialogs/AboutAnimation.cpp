#include "ui/dialogs/AboutAnimation.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace {

// The reflection coefficient of a lossy line at step i of the sweep: its phase turns three
// times while its magnitude falls from 0.95 to 0.15.
QPointF TracePoint(int step)
{
    const double t = static_cast<double>(step) / TAboutAnimation::FrameCount;
    const double magnitude = 0.95 - 0.8 * t;
    const double phase = -6.0 * std::numbers::pi * t;
    return {magnitude * std::cos(phase), magnitude * std::sin(phase)};
}

} // namespace

TAboutAnimation::TAboutAnimation(QWidget* parent) : QWidget(parent)
{
    FTimer.setInterval(TickMilliseconds);
    connect(&FTimer, &QTimer::timeout, this, &TAboutAnimation::Tick);
}

void TAboutAnimation::showEvent(QShowEvent* event)
{
    FTimer.start();
    QWidget::showEvent(event);
}

void TAboutAnimation::hideEvent(QHideEvent* event)
{
    FTimer.stop();
    QWidget::hideEvent(event);
}

void TAboutAnimation::Tick()
{
    ++FFrame;
    update();
}

void TAboutAnimation::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double radius = std::min(width(), height()) / 2.0 - 2.0;
    painter.translate(width() / 2.0, height() / 2.0);

    // The chart: the unit circle, the real axis and two circles of constant resistance.
    painter.setPen(QPen(QColor(0x6a, 0x8c, 0xaf), 1.0));
    painter.drawEllipse(QPointF(0, 0), radius, radius);
    painter.drawLine(QPointF(-radius, 0), QPointF(radius, 0));
    for (const double r : {1.0, 3.0}) {
        const double circle = radius / (1.0 + r);
        painter.drawEllipse(QPointF(radius - circle, 0), circle, circle);
    }

    // The trace so far, and the marker at its end.
    const int last = FFrame % (FrameCount + 1);
    QPainterPath trace;
    trace.moveTo(TracePoint(0) * radius);
    for (int step = 1; step <= last; ++step)
        trace.lineTo(TracePoint(step) * radius);
    painter.setPen(QPen(QColor(0xc0, 0x30, 0x30), 1.6));
    painter.drawPath(trace);
    painter.setBrush(QColor(0xc0, 0x30, 0x30));
    painter.drawEllipse(TracePoint(last) * radius, 2.5, 2.5);
}
