// The main window's list in the order the options ask for: by name, date
// taken, date modified or size, and by hand. The list order is the
// session's; the dates are read on a worker thread, the list shows the files
// at once in name order and the session takes their order when they are in.
#include <QLabel>
#include <QTimer>

#include "busy_cursor.h"
#include "frmMain.h"
#include "list_orderer.h"
#include "name_list_box.h"

namespace {

// A progress line shows only for a reading the user would notice.
constexpr int ProgressAfterMs = 500;

}  // namespace

void frmMain::ConnectOrdering() {
    m_orderer = new ListOrderer([this](OrderedChoice ordered) { ShowOrderedList(std::move(ordered)); }, this);
    m_orderProgress = new QTimer(this);
    m_orderProgress->setInterval(100);
    connect(m_orderProgress, &QTimer::timeout, this, &frmMain::ShowOrderProgress);
    List1->EnableMovingByHand();
    connect(List1, &NameListBox::MoveRequested, this, &frmMain::List1_MoveRequested);
}

// The session's choice, in name order until the order asked for is known.
void frmMain::OrderList() {
    StopOrdering();
    const std::vector<morvane::Text>& chosen = m_session.NameOrder();
    if (chosen.empty()) return;
    if (m_session.Listed() != chosen && !m_session.Reorder(chosen).Refused) List1->SetNames(m_session.Listed());
    if (Options().Order == morvane::ListOrder::Name) return;
    m_orderStarted.start();
    m_orderProgress->start();
    m_orderer->Start(m_session.Directory(), chosen, Options().Order);
}

void frmMain::StopOrdering() {
    m_orderer->Cancel();
    m_orderProgress->stop();
    lblOrderProgress->hide();
    m_noDateTaken.clear();
}

void frmMain::ShowOrderedList(OrderedChoice ordered) {
    m_orderProgress->stop();
    lblOrderProgress->hide();
    if (m_session.Reorder(std::move(ordered.Names)).Refused) return;
    m_noDateTaken = std::unordered_set<morvane::Text>(ordered.NoDateTaken.begin(), ordered.NoDateTaken.end());
    List1->SetNames(m_session.Listed());
    RefreshPreview();
}

void frmMain::ShowOrderProgress() {
    if (!m_orderer->Pending()) {
        m_orderProgress->stop();
        lblOrderProgress->hide();
        return;
    }
    if (m_orderStarted.elapsed() < ProgressAfterMs) return;
    lblOrderProgress->setText(
        tr("Putting the files in order: %1 of %2").arg(m_orderer->Read()).arg(m_orderer->Total()));
    lblOrderProgress->show();
}

// "Extract", "Rename" and the preview number the files in their final order.
void frmMain::WaitForListOrder() {
    if (!m_orderer->Pending()) return;
    BusyCursor busy;
    m_orderer->Finish();
}

// A move asked for while the order is still being read is dropped: the
// list is about to be ordered afresh under the pointer.
void frmMain::List1_MoveRequested(int from, int to) {
    if (m_orderer->Pending()) {
        WaitForListOrder();
        return;
    }
    if (from < 0 || to < 0) return;
    if (!m_session.MoveListed(static_cast<std::size_t>(from), static_cast<std::size_t>(to)).Refused)
        List1->MoveRow(from, to);
}
