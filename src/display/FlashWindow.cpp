// SPDX-License-Identifier: GPL-3.0-or-later
#include "FlashWindow.h"

#include "platform/WindowSystem.h"

#include <QBitmap>
#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

namespace {

// A window that is shown but never painted (covered, say) still ends, this much later.
constexpr int firstFrameAllowanceMs = 500;

// The pixels that are not wholly transparent. (MaskInColor marks the clear ones; in the
// bitmap they are left out.)
QBitmap opaquePart(const QImage& image)
{
    return QBitmap::fromImage(image.createMaskFromColor(qRgba(0, 0, 0, 0), Qt::MaskInColor));
}

} // namespace

// One native window, of one kind, that shows whatever image it is given.
class FlashWindow::Surface : public QWidget {
public:
    Surface(Kind kind, std::function<void()> painted)
        : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus |
                               Qt::WindowTransparentForInput | Qt::NoDropShadowWindowHint)
        , m_painted(std::move(painted))
    {
        setObjectName(QStringLiteral("frmDisp"));
        setWindowTitle(tr("Zorvan Subliminal Message Software v1.45"));
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_X11DoNotAcceptFocus);
        setFocusPolicy(Qt::NoFocus);
        // Every pixel comes from the prepared image: nothing to erase first.
        setAttribute(Qt::WA_NoSystemBackground);
        if (kind == Kind::Translucent)
            setAttribute(Qt::WA_TranslucentBackground); // an alpha channel: decided at creation
        else
            setAttribute(Qt::WA_OpaquePaintEvent);
        // The native window now, not at the first message, whose time it would take.
        winId();
        if (kind == Kind::Translucent)
            WindowSystem::clearBackground(winId());
    }

    void prepare(QImage image, const QRegion& shape, const QRect& geometry)
    {
        m_image = std::move(image);
        setGeometry(geometry);
        // Where a compositor blends, the clear pixels are enough; a shape there only costs
        // it and the server time between the map and the first frame (3 ms against under 1).
        if (testAttribute(Qt::WA_TranslucentBackground)) {
            clearMask();
        } else {
            setMask(shape);
            // With no compositor the server paints a window's background straight onto
            // the screen as it maps it: the letters land with the map, not after a round
            // trip through this program, which a machine at rest is slow to wake for
            // (2-4 ms). A compositor draws the other kind off screen, and its first frame,
            // this program's paint, comes about 1 ms after the map.
            m_drawnOnMap = WindowSystem::drawOnMap(winId(), m_image);
        }
    }

    // Whether the window system draws the prepared image when the window is mapped, so
    // that the map is its first frame.
    bool drawnOnMap() const { return m_drawnOnMap; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, m_image);
        painter.end();
        m_painted();
    }

private:
    std::function<void()> m_painted;
    QImage m_image;
    bool m_drawnOnMap = false;
};

FlashWindow::FlashWindow(KindSource kind)
    : m_kind(std::move(kind))
    , m_shaped(std::make_unique<Surface>(Kind::Shaped, [this] { firstFramePainted(); }))
    , m_translucent(std::make_unique<Surface>(Kind::Translucent, [this] { firstFramePainted(); }))
{
    m_displayTimer.setObjectName(QStringLiteral("displayTimer"));
    m_displayTimer.setSingleShot(true);
    m_displayTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_displayTimer, &QTimer::timeout, this, [this] {
        m_awaitingFirstFrame = false;
        m_current->hide();
        Q_EMIT finished();
    });
}

FlashWindow::~FlashWindow() = default;

FlashWindow::Kind FlashWindow::systemKind()
{
    return WindowSystem::isComposited() ? Kind::Translucent : Kind::Shaped;
}

QSize FlashWindow::textSize(const QString& text, const QFont& font)
{
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

bool FlashWindow::prepare(const QString& text, const QFont& font, const QColor& color,
                          QPoint textTopLeft, const QRect& screen)
{
    m_text = text;
    if (text.isEmpty())
        return false;
    const QRect textRect(textTopLeft, textSize(text, font));
    // A message wider than the screen is cut at its edges anyway: the window only ever
    // covers what can be seen, however long the text.
    const QRect visible = textRect.intersected(screen);
    if (visible.isEmpty())
        return false;

    const Kind kind = m_kind();
    QImage image(visible.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        // A shape has no half-covered pixels: antialiased edges would become solid blots
        // of the text colour, so the letters are drawn without.
        QFont drawn = font;
        if (kind == Kind::Shaped)
            drawn.setStyleStrategy(QFont::NoAntialias);
        QPainter painter(&image);
        painter.setFont(drawn);
        QColor opaque = color;
        opaque.setAlpha(255);
        painter.setPen(opaque);
        painter.translate(textRect.topLeft() - visible.topLeft());
        painter.drawText(QRect(QPoint(0, 0), textRect.size()),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }
    const QRegion shape(opaquePart(image));
    if (shape.isEmpty())
        return false; // blanks only: nothing would be seen

    Surface* next = kind == Kind::Shaped ? m_shaped.get() : m_translucent.get();
    if (m_current && m_current != next)
        m_current->hide();
    m_current = next;
    m_current->prepare(std::move(image), shape, visible);
    return true;
}

void FlashWindow::showFor(int milliseconds)
{
    m_duration = milliseconds;
    m_awaitingFirstFrame = !m_current->drawnOnMap();
    m_current->show();
    // The server draws the letters as it maps the window: they are on screen once it has
    // done so, before the program would hear of it.
    if (!m_awaitingFirstFrame)
        WindowSystem::waitUntilDone();
    m_displayTimer.start(milliseconds + (m_awaitingFirstFrame ? firstFrameAllowanceMs : 0));
}

void FlashWindow::firstFramePainted()
{
    // The time counts from the first frame: what the window system does between showing
    // and painting (a busy machine can take tens of milliseconds) takes none of it. Where
    // the window system draws the frame at the map, it counts from when that is done.
    if (!m_awaitingFirstFrame)
        return;
    m_awaitingFirstFrame = false;
    m_displayTimer.start(m_duration);
}

void FlashWindow::cancel()
{
    m_displayTimer.stop();
    m_awaitingFirstFrame = false;
    if (m_current)
        m_current->hide();
}

bool FlashWindow::isVisible() const
{
    return m_current && m_current->isVisible();
}

QWidget* FlashWindow::window() const
{
    return m_current;
}
