#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

// The window that shows one message for a moment: no frame, not in the taskbar, above
// every other window, see-through wherever it is white, never taking the keyboard focus
// or a mouse click from the work underneath. It is prepared completely before it is
// shown, so its first frame on screen is its final one; when its time is up it hides
// and says so. One window serves every message: making a new one for each would only
// add work between the tick and the message on screen.
class FlashWindow : public QWidget {
    Q_OBJECT

public:
    FlashWindow();

    // The size of the message on one line in the font.
    static QSize textSize(const QString& text, const QFont& font);

    // Draws the message with its top-left corner at textTopLeft. Only the part that
    // falls on the screen becomes the window. False when nothing of it would be seen
    // (an empty text, or a place wholly off the screen): such a window is never shown.
    bool prepare(const QString& text, const QFont& font, const QColor& color, QPoint textTopLeft,
                 const QRect& screen);

    // Shows the window for the given time; then it hides and finished() is emitted.
    void showFor(int milliseconds);
    // Hides the window at once; finished() is not emitted.
    void cancel();

    QString text() const { return m_text; }

Q_SIGNALS:
    void finished();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer Timer1;
    QImage m_image;
    QString m_text;
};
