#pragma once
// Dir1: the current directory's ancestors, from the root down, followed by
// its subdirectories. Opening an entry (double click or Enter) moves there.
// It only ever shows a directory that it could open.
#include <QListWidget>

class DirListBox : public QListWidget {
    Q_OBJECT
public:
    explicit DirListBox(QWidget* parent = nullptr);

    // "/" for the root, no "/" at the end of any other directory.
    QString path() const { return m_path; }

    // Moves to dir (made absolute and clean). Returns false, and stays where
    // it is, when dir cannot be opened. Emits Change when the path changes.
    bool setPath(const QString& dir);

    // Re-reads the subdirectories of the current path.
    void Refresh();

signals:
    void Change();

private:
    void Fill();

    QString m_path;
};
