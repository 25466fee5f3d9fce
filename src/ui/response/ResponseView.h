// The response view of the kit window: the modelled response of one standard (the grid's
// current row) as a Smith chart and magnitude and phase plots, redrawn whenever the standard
// changes, with a read-out of the point under the mouse. Other parts of the program lay
// their own traces over it (SetExtraTraces).
#pragma once

#include <QByteArray>
#include <QSize>
#include <QWidget>
#include <optional>
#include <vector>

#include "ui/response/ResponseCurves.h"
#include "ui/response/ResponseTrace.h"

class TCalKit;
class TResponsePicture;

class TResponseView : public QWidget {
    Q_OBJECT
public:
    static constexpr int HelpContext = 5100;

    explicit TResponseView(QWidget* parent = nullptr);
    ~TResponseView() override;

    // Computes the response of standard n of kit now and redraws; n outside the kit's
    // standards shows no standard.
    void ShowStandard(const TCalKit& kit, int n);
    const TResponseCurves& Curves() const { return FCurves; }

    // Traces drawn over the standard's response and named in the legend, until replaced
    // (an empty list removes them).
    void SetExtraTraces(std::vector<TResponseTrace> traces);
    const std::vector<TResponseTrace>& ExtraTraces() const { return FExtras; }

    // The frequency under the mouse, and what the read-out line says there.
    std::optional<double> HoverFrequency() const { return FHover; }
    QString ReadoutText() const;
    // The picture as the view shows it, of the given size, as PNG or SVG file contents.
    QByteArray PngImage(QSize size) const;
    QByteArray SvgImage(QSize size) const;
    // The legend's names, in order.
    QStringList LegendNames() const;

    QSize sizeHint() const override { return {640, 260}; }
    QSize minimumSizeHint() const override { return {240, 140}; }

    // Paint events handled so far (tests see that a change reached the screen).
    int PaintCount() const { return FPaintCount; }

signals:
    // The shown standard, its values or the extra traces changed.
    void ContentChanged();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void Changed();
    void SetHover(std::optional<double> frequency);

    TResponseCurves FCurves;
    std::vector<TResponseTrace> FExtras;
    std::unique_ptr<TResponsePicture> FPicture;
    std::optional<double> FHover;
    int FPaintCount = 0;
};
