#pragma once
// The preview of every new name: one row per file the pass would cover, with
// the name it would have afterwards and a note, and a one-line summary.
// Modeless and sizable; it shows what the main window hands it and reaches
// the main window only by asking for the rename.
#include <QDialog>

#include <unordered_set>

#include "pass/pass_prediction.h"

class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

class frmPreview : public QDialog {
    Q_OBJECT
public:
    explicit frmPreview(QWidget* owner);

    // Shows the prediction in place of the one shown before, in list order;
    // folder is where the pass would work, for the words of a failure. The
    // files in noDateTaken were listed by their modification time, for want
    // of a date taken, which their notes say.
    void ShowPrediction(const morvane::Prediction& prediction, const QString& folder = {},
                        const std::unordered_set<morvane::Text>& noDateTaken = {});
    // Shows the window centred on the screen, or raises it when it is open.
    void Open();

signals:
    // "&Rename": the main window's "Rename" is to run.
    void RenameRequested();

private slots:
    void cmdPreviewRename_Click();
    void cmdPreviewClose_Click();

private:
    void BuildControls();
    void FitColumns();

    QStandardItemModel* m_rows = nullptr;       // in list order
    QSortFilterProxyModel* m_sorted = nullptr;  // as the user sorts them; no sort column gives list order
    QTableView* lstPreview = nullptr;
    QLabel* lblPreviewSummary = nullptr;
    QPushButton* cmdPreviewRename = nullptr;
    QPushButton* cmdPreviewClose = nullptr;
};
