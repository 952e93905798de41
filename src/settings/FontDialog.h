// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/DisplaySettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class SystemDialogs;

// Face, style, size, effects and colour of the message text in one dialog, opened on
// the current choice. OK hands the choice back; Cancel changes nothing. The colour list
// ends with "Custom…", which opens the system's colour dialog for any other colour.
class FontDialog : public QDialog {
    Q_OBJECT

public:
    FontDialog(const DisplayFont& font, qint32 color, SystemDialogs& dialogs,
               QWidget* parent = nullptr);

    DisplayFont chosenFont() const;
    qint32 chosenColor() const;

private:
    void updateSample();
    void selectColor(const QColor& color);
    void colorChosen(int index);

    QFontComboBox* m_face;
    QComboBox* m_style;
    QComboBox* m_size;
    QCheckBox* m_strikeout;
    QCheckBox* m_underline;
    QComboBox* m_color;
    QLabel* m_sample;
    SystemDialogs& m_dialogs;
    // The colour shown before "Custom…" was chosen, for a cancelled colour dialog.
    int m_colorIndex = 0;
    double m_initialSize;
};
