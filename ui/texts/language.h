#pragma once
// The user's language: the program's own translations (embedded) and Qt's
// (for standard buttons and dialogs), installed while a Language lives.
// Under the C locale or English nothing is installed and every text reads
// as written in the source.
#include <QLocale>
#include <QTranslator>

class Language {
public:
    // The language of locale; the default follows LANG, LC_ALL and LANGUAGE.
    explicit Language(const QLocale& locale = QLocale());
    ~Language();
    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;

    // Whether the program's own texts are translated.
    bool Translated() const { return m_programLoaded; }

private:
    QTranslator m_program;
    QTranslator m_qt;
    bool m_programLoaded = false;
    bool m_qtLoaded = false;
};
