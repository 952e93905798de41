// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

class QWidget;

// The window that shows one message for a moment: no frame, not in the taskbar, above
// every other window, only its letters drawn, never taking the keyboard focus or a mouse
// click from the work underneath. It is prepared completely before it is shown, so its
// first frame on screen is its final one; its time counts from that first frame, then
// it hides and says so.
//
// Letters only, on every desktop: where a compositor draws the screen (on every Wayland
// desktop, through XWayland, too) the window has an alpha channel and only the letters
// are opaque; an X server without one draws no alpha, so there the window's shape is
// cut to the letters. The kind is asked for at every message, as a compositor may start
// or stop at any time; a window of each kind exists from the start, so the change costs
// nothing. (A compositor that stops in the middle of one message leaves the rest of that
// message on a black box: a shape on the window with the alpha channel would prevent it,
// at the price of slower first frames on every message.) Neither uses a key colour: a
// message of any colour, white included, shows.
class FlashWindow : public QObject {
    Q_OBJECT

public:
    enum class Kind { Shaped, Translucent };
    using KindSource = std::function<Kind()>;

    explicit FlashWindow(KindSource kind = systemKind);
    ~FlashWindow() override;

    // The kind the display asks for now.
    static Kind systemKind();
    // The size of the message on one line in the font.
    static QSize textSize(const QString& text, const QFont& font);

    // Draws the message with its top-left corner at textTopLeft. Only the part that
    // falls on the screen becomes the window. False when nothing of it would be seen
    // (an empty text, or a place wholly off the screen): such a window is never shown.
    bool prepare(const QString& text, const QFont& font, const QColor& color, QPoint textTopLeft,
                 const QRect& screen);

    // Shows the window for the given time, counted from its first frame; then it hides
    // and finished() is emitted.
    void showFor(int milliseconds);
    // Hides the window at once; finished() is not emitted.
    void cancel();

    QString text() const { return m_text; }
    bool isVisible() const;
    // The window that shows the prepared message.
    QWidget* window() const;

Q_SIGNALS:
    void finished();

private:
    class Surface;
    void firstFramePainted();

    KindSource m_kind;
    std::unique_ptr<Surface> m_shaped;
    std::unique_ptr<Surface> m_translucent;
    Surface* m_current = nullptr;
    QTimer m_displayTimer;
    int m_duration = 0;
    bool m_awaitingFirstFrame = false;
    QString m_text;
};
