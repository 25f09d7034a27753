#pragma once
// File1: the ordinary files of one directory, bare names in name order, with
// extended multiple selection.
#include <QListWidget>

class FileListBox : public QListWidget {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);

    QString path() const { return m_path; }
    // Points the list at dir and reads it.
    void setPath(const QString& dir);
    // Reads the directory again; the selection is dropped.
    void Refresh();

private:
    QString m_path;
};
