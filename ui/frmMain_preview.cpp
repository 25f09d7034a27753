// The main window's side of the preview of every new name: the "&File" menu's
// item, kept available exactly while a pass could run on listed files, and
// the preview window, kept in step with what that pass would do.
#include <QAction>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

#include "frmDir.h"
#include "frmMain.h"
#include "name_list_box.h"
#include "frmPreview.h"
#include "qt_text.h"

namespace {

// Calls back whenever the watched control is enabled or disabled, by
// whichever handler.
class EnabledWatcher : public QObject {
public:
    EnabledWatcher(QWidget& watched, std::function<void()> changed)
        : QObject(&watched), changed_(std::move(changed)) {
        watched.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange) changed_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> changed_;
};

}  // namespace

// Watching "Rename" and the list themselves keeps the item right whichever
// handler changes them. "Extract" refreshes after its own handler, which was
// connected first; the example's name changes with a double click on the list.
void frmMain::ConnectPreview() {
    new EnabledWatcher(*Command4, [this] { UpdatePreviewItem(); });
    const QAbstractItemModel* entries = List1->model();
    connect(entries, &QAbstractItemModel::rowsInserted, this, &frmMain::UpdatePreviewItem);
    connect(entries, &QAbstractItemModel::rowsRemoved, this, &frmMain::UpdatePreviewItem);
    connect(entries, &QAbstractItemModel::modelReset, this, &frmMain::UpdatePreviewItem);
    // The pass numbers the files in list order: the preview follows a move.
    connect(entries, &QAbstractItemModel::rowsMoved, this, &frmMain::RefreshPreview);
    connect(Command1, &QPushButton::clicked, this, &frmMain::RefreshPreview);
    connect(txtFile, &QLineEdit::textChanged, this, &frmMain::RefreshPreview);
}

// The preview is only ever shown while it could be opened: an emptied list
// (a pass, "Select ", a drop) closes it.
void frmMain::UpdatePreviewItem() {
    const bool available = Command4->isEnabled() && !m_session.Listed().empty();
    mnuFilePreview->setEnabled(available);
    if (!available && m_preview && m_preview->isVisible()) m_preview->close();
}

void frmMain::mnuFilePreview_Click() {
    if (!m_preview) {
        m_preview = new frmPreview(this);
        connect(m_preview, &frmPreview::RenameRequested, this, &frmMain::Command4_Click);
    }
    m_preview->ShowPrediction(PredictRename(), ToQString(m_session.Directory()), m_noDateTaken);
    m_preview->Open();
}

void frmMain::RefreshPreview() {
    if (m_preview && m_preview->isVisible())
        m_preview->ShowPrediction(PredictRename(), ToQString(m_session.Directory()), m_noDateTaken);
}

// What "Rename" would do now, in the directory it would work in, against the
// directory's names read into memory: no file is touched.
morvane::Prediction frmMain::PredictRename() {
    WaitForListOrder();
    return m_session.Preview();
}
