#pragma once
// The four windows are laid out in twips from tables: one row per control
// (kind, object name, caption, rectangle, tab order, accessible name, tool
// tip), built by one builder. Each window then wires its handlers and adds
// what is its own alone (a font, a colour, a button group).
#include <QHash>
#include <QRect>
#include <QString>
#include <QWidget>

#include <span>

// Twips to device-independent pixels (15 twips to a pixel at 96 dots per
// inch). The one place where a twip becomes a pixel.
constexpr int Twips(int twips) { return twips / 15; }

inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

enum class ControlKind {
    Label,           // fixed text, top left, keeps its rectangle
    Caption,         // fixed text that grows to show its whole text
    WrappedText,     // text wrapped within its rectangle
    HiddenLabel,     // never shown: holds a value
    Picture,         // the program's icon, centred
    Line,            // a filled strip (its colour is set by the window)
    TextBox,         // one-line text box
    KeepingTextBox,  // one-line text box that keeps its selection without the focus
    Button,          // push button that Enter never presses
    DefaultButton,   // push button that Enter presses
    OptionButton,    // radio button
    List,            // single-selection list of names (NameListBox)
    DriveList,       // drop-down list of volumes
    DirList,         // DirListBox
    FileList,        // FileListBox
};

// No tab order: the control takes no focus.
inline constexpr int NoTab = -1;

struct ControlRow {
    ControlKind kind;
    const char* name;              // object name
    const char* caption;           // caption or text; nullptr for none
    int left, top, width, height;  // twips
    int tab;                       // tab order from 0, or NoTab
    const char* accessibleName;    // nullptr: none of its own
    const char* toolTip;           // nullptr: none; also the accessible description
};

// The controls of one window by object name.
class Form {
public:
    // The control of that name and type. A name missing from the table is a
    // programming error and ends the program at once.
    template <class T = QWidget>
    T* get(const QString& name) const {
        T* control = qobject_cast<T*>(m_controls.value(name));
        if (!control) qFatal("no control %s of the expected kind", qPrintable(name));
        return control;
    }
    void add(QWidget* control) { m_controls.insert(control->objectName(), control); }

private:
    QHash<QString, QWidget*> m_controls;
};

// Creates the controls of the table on parent, in the table's order, sets
// the tab order by the rows' tab numbers and gives the focus to the first.
Form BuildForm(QWidget& parent, std::span<const ControlRow> rows);
