#include "windows/help_window.h"

#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "widgets/app_icon.h"
#include "widgets/form_builder.h"

HelpWindow::HelpWindow(QWidget* owner) : QDialog(owner) {
    setObjectName("HelpWindow");
    setWindowTitle(tr("Morvane Help"));
    setWindowIcon(AppIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowFlag(Qt::WindowMinMaxButtonsHint);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName("helpText");
    m_browser->setAccessibleName(tr("Help"));
    m_browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    // About 93 x 46 characters of the help's text, whatever the font.
    resize(TwipScale::ForFont(font()).Size(8400, 9000));
}

HelpWindow* HelpWindow::Open(const QString& helpFile, QWidget* owner) {
    QFile file(helpFile);
    if (!file.open(QIODevice::ReadOnly)) return nullptr;
    const QString html = QString::fromUtf8(file.readAll());
    if (file.error() != QFileDevice::NoError) return nullptr;

    HelpWindow* window = owner ? owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!window) window = new HelpWindow(owner);
    // Relative links and pictures resolve against the help file's folder.
    window->m_browser->document()->setBaseUrl(QUrl::fromLocalFile(QFileInfo(helpFile).absolutePath() + "/"));
    window->m_browser->setHtml(html);
    window->m_browser->moveCursor(QTextCursor::Start);
    window->m_browser->verticalScrollBar()->setValue(0);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
