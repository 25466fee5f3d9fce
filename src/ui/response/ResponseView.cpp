#include "ui/response/ResponseView.h"

#include <QBuffer>
#include <QImage>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgGenerator>

#include "ui/help/WhatsThis.h"
#include "ui/response/ResponsePicture.h"

namespace {

constexpr int SvgResolution = 96;

}  // namespace

TResponseView::TResponseView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ResponseView"));
    setMouseTracking(true);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    setFocusPolicy(Qt::NoFocus);
    SetHelpContext(this, HelpContext);
    setAttribute(Qt::WA_OpaquePaintEvent);
    Changed();
}

TResponseView::~TResponseView() = default;

void TResponseView::ShowStandard(const TCalKit& kit, int n)
{
    FCurves = ComputeResponseCurves(kit, n);
    Changed();
}

void TResponseView::SetExtraTraces(std::vector<TResponseTrace> traces)
{
    FExtras = std::move(traces);
    Changed();
}

void TResponseView::Changed()
{
    FPicture = std::make_unique<TResponsePicture>(FCurves, FExtras, font());
    FPicture->SetHoverFrequency(FHover);
    setAccessibleName(FCurves.Title.isEmpty() ? tr("Response: no standard")
                                              : tr("Response: %1").arg(FCurves.Title));
    QStringList names = LegendNames();
    setAccessibleDescription(tr("%1. Smith chart, magnitude in dB and unwrapped phase in degrees against "
                                "frequency in GHz. Traces: %2")
                                 .arg(FCurves.Title, names.isEmpty() ? tr("none") : names.join(QStringLiteral(", "))));
    update();
    emit ContentChanged();
}

void TResponseView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        Changed();
}

QStringList TResponseView::LegendNames() const
{
    QStringList names;
    for (const TPlottedTrace& trace : FPicture->Traces())
        names.append(trace.Trace->Name);
    return names;
}

QString TResponseView::ReadoutText() const
{
    return FHover ? FPicture->ReadoutText(*FHover) : QString();
}

void TResponseView::SetHover(std::optional<double> frequency)
{
    if (frequency == FHover)
        return;
    FHover = frequency;
    FPicture->SetHoverFrequency(FHover);
    update();
}

void TResponseView::paintEvent(QPaintEvent* event)
{
    (void)event;
    ++FPaintCount;
    QPainter painter(this);
    FPicture->Paint(painter, rect());
}

void TResponseView::mouseMoveEvent(QMouseEvent* event)
{
    SetHover(FPicture->FrequencyAt(rect(), event->position()));
    QWidget::mouseMoveEvent(event);
}

void TResponseView::leaveEvent(QEvent* event)
{
    SetHover(std::nullopt);
    QWidget::leaveEvent(event);
}

QByteArray TResponseView::PngImage(QSize size) const
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        FPicture->Paint(painter, QRectF(QPointF(0, 0), size));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray TResponseView::SvgImage(QSize size) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(SvgResolution);
    generator.setTitle(FCurves.Title);
    generator.setDescription(accessibleDescription());
    {
        QPainter painter(&generator);
        FPicture->Paint(painter, QRectF(QPointF(0, 0), size));
    }
    return bytes;
}
