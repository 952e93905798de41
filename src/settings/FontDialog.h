#pragma once

#include "settings/DisplaySettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;

// Face, style, size, effects and colour of the message text in one dialog, opened on
// the current choice. OK hands the choice back; Cancel changes nothing.
class FontDialog : public QDialog {
    Q_OBJECT

public:
    FontDialog(const DisplayFont& font, qint32 color, QWidget* parent = nullptr);

    DisplayFont chosenFont() const;
    qint32 chosenColor() const;

private:
    void updateSample();
    void selectColor(qint32 color);

    QFontComboBox* m_face;
    QComboBox* m_style;
    QComboBox* m_size;
    QCheckBox* m_strikeout;
    QCheckBox* m_underline;
    QComboBox* m_color;
    QLabel* m_sample;
    double m_initialSize;
};
