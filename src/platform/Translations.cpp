// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

namespace {

// The names a language may be found under, the most particular first: "de-Latn-DE"
// gives de_Latn_DE, de_Latn, de.
QStringList namesOf(const QString& language)
{
    QString name = language;
    name.replace(u'-', u'_');
    QStringList names;
    while (!name.isEmpty()) {
        names << name;
        const qsizetype cut = name.lastIndexOf(u'_');
        name = cut < 0 ? QString() : name.first(cut);
    }
    return names;
}

// Loads the first file of the base name and one of the names that is there and reads.
bool load(QTranslator& translator, const QStringList& folders, const QString& base,
          const QStringList& names)
{
    for (const QString& name : names) {
        for (const QString& folder : folders) {
            const QString path = QDir(folder).filePath(base + name + QStringLiteral(".qm"));
            if (QFileInfo(path).isFile() && translator.load(path))
                return true;
        }
    }
    return false;
}

} // namespace

Translations::Translations(const QString& programFolder)
    : Translations(
          {QDir(programFolder).filePath(u"translations"_qs),
           QDir(programFolder).filePath(QStringLiteral(ZORVAN_TRANSLATIONS_FROM_PROGRAM_FOLDER))},
          QLocale::system().uiLanguages())
{}

Translations::Translations(const QStringList& folders, const QStringList& languages)
{
    for (const QString& language : languages) {
        if (QLocale(language).language() == QLocale::English)
            return;
        const QStringList names = namesOf(language);
        if (!load(m_program, folders, u"zorvan_"_qs, names))
            continue;
        m_language = QFileInfo(m_program.filePath()).completeBaseName().sliced(7);
        m_qtLoaded =
            load(m_qt, folders + QStringList{QLibraryInfo::path(QLibraryInfo::TranslationsPath)},
                 u"qtbase_"_qs, names);
        return;
    }
}

void Translations::install()
{
    if (m_language.isEmpty())
        return;
    QCoreApplication::installTranslator(&m_program);
    if (m_qtLoaded)
        QCoreApplication::installTranslator(&m_qt);
}
