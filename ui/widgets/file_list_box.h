#pragma once
// File1: the ordinary files of one directory, bare names in name order, with
// extended multiple selection. The chooser reads the directory and hands
// the names over, so that one read serves File1 and Dir1.
#include "widgets/name_list_box.h"

class FileListBox : public NameListBox {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);

    // The directory whose files are shown.
    QString path() const { return m_path; }
    // Shows the files of dir; the selection is dropped.
    void Show(const QString& dir, std::vector<morvane::Text> names);

private:
    QString m_path;
};
