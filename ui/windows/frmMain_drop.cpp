// Files dropped on the main window or named on the command line: taken as if
// they had been chosen in the chooser and confirmed with "&OK".
#include <algorithm>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

#include "files/file_choice.h"
#include "presenter/presenter.h"
#include "windows/frmDir.h"
#include "windows/frmMain.h"

namespace {

bool IsLocalFile(const QUrl& url) {
    return url.isLocalFile() && (url.host().isEmpty() || url.host() == "localhost");
}

bool CarriesLocalFiles(const QMimeData* data) {
    if (!data || !data->hasUrls()) return false;
    const QList<QUrl> urls = data->urls();
    return std::any_of(urls.begin(), urls.end(), IsLocalFile);
}

// A file manager may delete what it believes was moved, so a drop is only
// ever taken as a copy or a link.
bool TakeAsCopyOrLink(QDropEvent* event) {
    if (!CarriesLocalFiles(event->mimeData())) return false;
    const Qt::DropActions possible = event->possibleActions();
    if (possible & Qt::CopyAction)
        event->setDropAction(Qt::CopyAction);
    else if (possible & Qt::LinkAction)
        event->setDropAction(Qt::LinkAction);
    else
        return false;
    return true;
}

// The path's bytes as the file manager named them: a name that is not UTF-8
// stays percent-encoded in the URL and must not become another name.
std::string PathBytes(const QUrl& url) {
    return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
}

// The text boxes take dropped text. They decline a drag of files, which then
// goes on to the window, as it does from every control that takes no drops.
class FileDragDecliner : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::DragEnter && CarriesLocalFiles(static_cast<QDropEvent*>(event)->mimeData())) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void frmMain::EnableFileDrops() {
    setAcceptDrops(true);
    auto* decliner = new FileDragDecliner(this);
    for (QLineEdit* box : findChildren<QLineEdit*>()) box->installEventFilter(decliner);
}

// A pass under review is never mixed with a new choice.
void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (m_presenter.State() != morvane::SessionState::Reviewing && TakeAsCopyOrLink(event)) event->accept();
    else event->ignore();
}

void frmMain::dragMoveEvent(QDragMoveEvent* event) {
    if (m_presenter.State() != morvane::SessionState::Reviewing && TakeAsCopyOrLink(event)) event->accept();
    else event->ignore();
}

void frmMain::dropEvent(QDropEvent* event) {
    if (m_presenter.State() == morvane::SessionState::Reviewing || !TakeAsCopyOrLink(event)) {
        event->ignore();
        return;
    }
    event->accept();
    std::vector<std::string> paths;
    bool foreign = false;  // URLs of other machines are left out like any other path
    for (const QUrl& url : event->mimeData()->urls()) {
        if (IsLocalFile(url)) paths.push_back(PathBytes(url));
        else foreign = true;
    }
    morvane::FileChoice choice = morvane::ChooseFiles(paths);
    choice.Skipped = choice.Skipped || foreign;
    TakeFileChoice(choice);
    // A dropped directory is opened in the chooser at once: the drop asked for it.
    if (choice.What == morvane::FileChoice::Kind::Directory) Command3_Click();
}

void frmMain::TakeFileChoice(const morvane::FileChoice& choice) {
    if (choice.What == morvane::FileChoice::Kind::Nothing || m_presenter.State() == morvane::SessionState::Reviewing)
        return;
    // An open chooser keeps its own directory, which the next "Rename" would
    // work in; closing it stores nothing and changes no step.
    if (m_dir && !m_dir->isClosed()) m_dir->close();
    m_presenter.TakeFileChoice(choice);
}
