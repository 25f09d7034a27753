#pragma once
// Dir1: the current directory's ancestors, from the root down, followed by
// its subdirectories. Opening an entry (double click or Enter) moves there.
// It only ever shows a directory that it could open. The chooser reads the
// directory and hands the subdirectories over, so that one read serves Dir1
// and File1.
#include <QListView>
#include <vector>

#include "base/text.h"

namespace morvane {
class DirListModel;
}

class DirListBox : public QListView {
    Q_OBJECT
public:
    explicit DirListBox(QWidget* parent = nullptr);

    // "/" for the root, no "/" at the end of any other directory.
    QString path() const { return m_path; }

    // Moves to dir (made absolute and clean). Returns false, and stays where
    // it is, when dir cannot be opened. Emits Change when the path changes;
    // the subdirectories are those handed over by ShowSubdirectories.
    bool setPath(const QString& dir);
    // Shows these as the current directory's subdirectories.
    void ShowSubdirectories(std::vector<morvane::Text> names);

    int count() const;
    void setCurrentRow(int row);

signals:
    // The path changed, or its entry was opened again: its subdirectories
    // are to be read.
    void Change();
    // An entry was opened that cannot be read: the list stays where it is,
    // and whoever shows it says why.
    void OpenRefused(const QString& dir);

private:
    void Open(const QString& dir);
    void ShowCurrentRow();

    morvane::DirListModel* model_;
    QString m_path;
};
