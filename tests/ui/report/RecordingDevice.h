// A paint device that keeps what is painted on it as a list of texts, lines and rectangles,
// so a picture can be played onto it and read back primitive by primitive.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

struct TRecordedText {
    QString Text;
    QPointF Baseline;
    QFont Font;
    std::optional<QRectF> Clip;

    // The top of the text and its width, measured as the report measures them.
    double Top() const { return Baseline.y() - QFontMetricsF(Font).ascent(); }
    int Width() const { return QFontMetrics(Font).horizontalAdvance(Text); }
};

class TRecordingEngine : public QPaintEngine {
public:
    TRecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

    void updateState(const QPaintEngineState& state) override
    {
        const QPaintEngine::DirtyFlags flags = state.state();
        if (flags & QPaintEngine::DirtyClipEnabled)
            FClipEnabled = state.isClipEnabled();
        if (flags & QPaintEngine::DirtyClipRegion) {
            FClip = state.clipRegion().boundingRect();
            FClipEnabled = state.clipOperation() != Qt::NoClip;
        }
        if (flags & QPaintEngine::DirtyClipPath) {
            FClip = state.clipPath().boundingRect();
            FClipEnabled = state.clipOperation() != Qt::NoClip;
        }
    }

    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        Texts.push_back({item.text(), p, item.font(), FClipEnabled ? std::optional<QRectF>(FClip) : std::nullopt});
    }
    void drawLines(const QLineF* lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            Lines.push_back(lines[i]);
    }
    void drawRects(const QRectF* rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            Rects.push_back(rects[i]);
    }
    // A picture plays a line back as a polyline of two points, and a rectangle as a path.
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        if (mode == PolylineMode && count == 2)
            Lines.emplace_back(points[0], points[1]);
    }
    void drawPath(const QPainterPath& path) override { Rects.push_back(path.boundingRect()); }

    std::vector<TRecordedText> Texts;
    std::vector<QLineF> Lines;
    std::vector<QRectF> Rects;

private:
    bool FClipEnabled = false;
    QRectF FClip;
};

class TRecordingDevice : public QPaintDevice {
public:
    TRecordingDevice(int width, int height, int dotsPerInch = 96)
        : FWidth(width), FHeight(height), FDotsPerInch(dotsPerInch)
    {
    }
    QPaintEngine* paintEngine() const override { return &FEngine; }
    const TRecordingEngine& Engine() const { return FEngine; }

    // The texts drawn, in drawing order.
    const std::vector<TRecordedText>& Texts() const { return FEngine.Texts; }
    // The first text that reads text; nullptr when there is none.
    const TRecordedText* Find(const QString& text) const
    {
        for (const TRecordedText& t : FEngine.Texts)
            if (t.Text == text)
                return &t;
        return nullptr;
    }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return FWidth;
        case PdmHeight:
            return FHeight;
        case PdmWidthMM:
            return FWidth * 254 / (10 * FDotsPerInch);
        case PdmHeightMM:
            return FHeight * 254 / (10 * FDotsPerInch);
        case PdmNumColors:
            return 0x7fffffff;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return FDotsPerInch;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    int FWidth;
    int FHeight;
    int FDotsPerInch;
    mutable TRecordingEngine FEngine;
};
