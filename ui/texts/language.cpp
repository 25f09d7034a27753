#include "texts/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

Language::Language(const QLocale& locale) {
    // The C locale keeps the texts as written, whatever LANGUAGE says, as
    // every other program on the desktop does.
    if (locale.language() == QLocale::C) return;
    // The first of the user's languages that has a translation wins, so
    // LANGUAGE=fr:de gives French.
    m_programLoaded = m_program.load(locale, QStringLiteral("morvane"), QStringLiteral("_"), QStringLiteral(":/i18n"));
    if (m_programLoaded) QCoreApplication::installTranslator(&m_program);
    // Qt's own texts follow the program's language, so that a window never
    // mixes two: an English program keeps Qt's English buttons.
    if (m_programLoaded) {
        m_qtLoaded = m_qt.load(QLocale(m_program.language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        if (m_qtLoaded) QCoreApplication::installTranslator(&m_qt);
    }
}

Language::~Language() {
    if (m_qtLoaded) QCoreApplication::removeTranslator(&m_qt);
    if (m_programLoaded) QCoreApplication::removeTranslator(&m_program);
}
