#pragma once
// The four windows are laid out in twips from tables: one row per control
// (kind, object name, caption, rectangle, tab order, accessible name, tool
// tip), built by one builder. Each window then wires its handlers and adds
// what is its own alone (a colour, a button group).
#include <QFont>
#include <QHash>
#include <QRect>
#include <QString>
#include <QWidget>

#include <span>

// Twips to device-independent pixels. The tables were drawn for an 8-point
// design font of 6 x 13 pixels per average character and line (15 twips to a
// pixel at 96 dots per inch); a wider or taller font widens or heightens every
// rectangle by as much, so each window keeps its proportions at any font.
class TwipScale {
public:
    // The scale for a font: its average character width and line height over
    // the design font's, per axis, never below 1.
    static TwipScale ForFont(const QFont& font);

    int X(int twips) const;
    int Y(int twips) const;
    QRect Rect(int left, int top, int width, int height) const;
    QSize Size(int width, int height) const;

    // Widens (heightens) the scale so that `twips` become at least `pixels`.
    void GrowX(int twips, int pixels);
    void GrowY(int twips, int pixels);

    double x = 1, y = 1;  // pixels per design pixel
};

enum class ControlKind {
    Label,           // fixed text, top left, keeps its rectangle
    Title,           // a Label in a font half as large again as the dialog font
    Caption,         // fixed text, centred top to bottom in its rectangle
    WrappedText,     // text wrapped within its rectangle
    HiddenLabel,     // never shown: holds a value
    Picture,         // the program's icon, centred
    Line,            // a strip painted on the window, not a control; caption: its colour
    TextBox,         // one-line text box
    KeepingTextBox,  // one-line text box that keeps its selection without the focus
    Button,          // push button that Enter never presses
    DefaultButton,   // push button that Enter presses
    OptionButton,    // radio button
    CheckBox,        // check box
    List,            // single-selection list of names (NameListBox)
    DriveList,       // drop-down list of volumes
    DropDown,        // drop-down list of fixed choices, which the window adds
    DirList,         // DirListBox
    FileList,        // FileListBox
};

// No tab order: the control takes no focus.
inline constexpr int NoTab = -1;

struct ControlRow {
    ControlKind kind;
    const char* name;              // object name
    const char* caption;           // caption or text; nullptr for none (all texts untranslated)
    int left, top, width, height;  // twips
    int tab;                       // tab order from 0, or NoTab
    const char* accessibleName;    // nullptr: none of its own
    const char* toolTip;           // nullptr: none; also the accessible description
};

// The controls of one window by object name, and the scale they were laid
// out at.
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

    // A window's client size in twips, at the scale of its controls.
    QSize Size(int width, int height) const { return m_scale.Size(width, height); }
    const TwipScale& Scale() const { return m_scale; }
    void SetScale(const TwipScale& scale) { m_scale = scale; }

private:
    QHash<QString, QWidget*> m_controls;
    TwipScale m_scale;
};

// Creates the controls of the table on parent, in the table's order, sets
// the tab order by the rows' tab numbers and gives the focus to the first.
// Captions, accessible names and tool tips are translated in `context`, the
// window's name, where the table marks them with QT_TRANSLATE_NOOP. The
// scale is the font's, grown where a text of the table would not fit its
// control at it (a longer language widens the window); the font is never
// made smaller.
Form BuildForm(QWidget& parent, std::span<const ControlRow> rows, const char* context);

// Keeps the control's right and bottom margins inside its parent as they are
// now, whenever the parent is resized.
void FollowRightAndBottom(QWidget& control);
