// The main window's side of the preview of every new name: the "&File"
// menu's item (enabled in ShowState) and the preview window, kept in step
// with what the pass would do.
#include "presenter/presenter.h"
#include "qt_text.h"
#include "windows/frmMain.h"
#include "windows/frmPreview.h"

void frmMain::mnuFilePreview_Click() {
    if (!m_preview) {
        m_preview = new frmPreview(this);
        connect(m_preview, &frmPreview::RenameRequested, this, &frmMain::Command4_Click);
    }
    m_preview->ShowPrediction(m_presenter.Predict(), ToQString(m_presenter.Workflow().Directory()),
                              m_presenter.NoDateTaken());
    m_preview->Open();
}

void frmMain::RefreshPreview() {
    if (m_preview && m_preview->isVisible())
        m_preview->ShowPrediction(m_presenter.Predict(), ToQString(m_presenter.Workflow().Directory()),
                                  m_presenter.NoDateTaken());
}
