// The main window's side of the list order: the line that counts the files
// read while a long ordering (or the reading of the dates in the names)
// reads them. The order itself is the
// presenter's, and the list follows it.
#include <QLabel>

#include "presenter/presenter.h"
#include "windows/frmMain.h"

void frmMain::ShowOrderProgress() {
    lblOrderProgress->setText((m_presenter.ReadingDatesOnly() ? tr("Reading the files' dates: %1 of %2")
                                                              : tr("Putting the files in order: %1 of %2"))
                                  .arg(m_presenter.OrderRead())
                                  .arg(m_presenter.OrderTotal()));
    lblOrderProgress->show();
}
