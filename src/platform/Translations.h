// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// The program's texts, and Qt's own in its dialogs (buttons, file and colour dialogs), in
// the first of the user's languages the program is translated into. The languages are
// Qt's reading of LANGUAGE, LC_ALL, LC_MESSAGES and LANG, in that order. English is the
// program's own language: where it comes first, or no language has a translation, or the
// translation cannot be read, nothing is loaded and the texts stay English.
class Translations {
public:
    // Looks in the "translations" folder beside the program (the build tree, a Windows
    // installation), then where an installation on Linux keeps them; Qt's own also where
    // this Qt keeps its translations.
    explicit Translations(const QString& programFolder);
    Translations(const QStringList& folders, const QStringList& languages);

    // Installs the translations found into the application, which must exist.
    void install();
    // The language loaded ("de", "fr_CA"); empty for English.
    QString language() const { return m_language; }

private:
    QString m_language;
    QTranslator m_program;
    QTranslator m_qt;
    bool m_qtLoaded = false;
};
