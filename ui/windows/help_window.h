#pragma once
// The program's help: the help file (HTML) shown in a window of its own,
// opened at the start of the file.
#include <QDialog>

class QTextBrowser;

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    // Shows the help file in a window owned by `owner`; one window per owner,
    // raised and taken back to the start when it is already open. A missing
    // or unreadable file shows nothing and returns nullptr.
    static HelpWindow* Open(const QString& helpFile, QWidget* owner);

    QTextBrowser* browser() const { return m_browser; }

private:
    explicit HelpWindow(QWidget* owner);

    QTextBrowser* m_browser = nullptr;
};
