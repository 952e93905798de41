#include "FlashWindow.h"

#include <QBitmap>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

FlashWindow::FlashWindow()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus |
                           Qt::WindowTransparentForInput | Qt::NoDropShadowWindowHint)
{
    setObjectName(QStringLiteral("frmDisp"));
    setWindowTitle(tr("Zorvan Subliminal Message Software v1.45"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_X11DoNotAcceptFocus);
    // Every pixel comes from the prepared image: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setSingleShot(true);
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, [this] {
        hide();
        Q_EMIT finished();
    });
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

    m_image = QImage(visible.size(), QImage::Format_RGB32);
    m_image.fill(Qt::white);
    {
        QPainter painter(&m_image);
        painter.setFont(font);
        painter.setPen(color);
        painter.translate(textRect.topLeft() - visible.topLeft());
        painter.drawText(QRect(QPoint(0, 0), textRect.size()),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }
    // Whatever is pure white is cut away, so the desktop shows between the letters,
    // with or without a compositor. (MaskInColor marks the white pixels; in the bitmap
    // they are the clear ones.)
    const QImage opaque = m_image.createMaskFromColor(qRgb(255, 255, 255), Qt::MaskInColor);
    const QBitmap mask = QBitmap::fromImage(opaque);
    if (QRegion(mask).isEmpty())
        return false; // white text on white: nothing would be seen
    setMask(mask);
    setGeometry(visible);
    return true;
}

void FlashWindow::showFor(int milliseconds)
{
    // Shape, place and size reach the window system first, so that showing is a single
    // step for it; the time then counts from just before the window goes up.
    QGuiApplication::sync();
    Timer1.start(milliseconds);
    show();
}

void FlashWindow::cancel()
{
    Timer1.stop();
    hide();
}

void FlashWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}
