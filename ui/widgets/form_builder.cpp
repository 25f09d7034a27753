#include "widgets/form_builder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>
#include <vector>

#include "widgets/app_icon.h"
#include "widgets/dir_list_box.h"
#include "widgets/file_list_box.h"
#include "widgets/name_list_box.h"
#include "widgets/named_drop_down.h"

namespace {

// The design font: average width of the 52 Latin letters, and line height,
// in pixels at 96 dots per inch.
constexpr double DesignCharWidth = 5.5;
constexpr double DesignLineHeight = 13;
constexpr double TwipsPerPixel = 15;
// The window title beside the icon, relative to the dialog font.
constexpr double TitleFontRatio = 1.5;

// A line edit drops its selection when it loses the focus. The example name
// keeps it, so that "Set Mask" takes what was highlighted before the button
// took the focus; new text or the user's next click still replace it.
class SelectionKeepingLineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusOutEvent(QFocusEvent* event) override {
        const int start = selectionStart();
        const int length = selectionLength();
        QLineEdit::focusOutEvent(event);
        if (start >= 0) setSelection(start, length);
    }
};

// An option button is chosen by a click anywhere in its rectangle, which
// grows with the font beyond its caption.
class OptionButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// Strips drawn on the window itself: a line is decoration, and as a control
// of its own it would be read out to screen reader users.
class PaintedLines : public QObject {
public:
    explicit PaintedLines(QWidget& window) : QObject(&window) { window.installEventFilter(this); }
    void add(const ControlRow& row) { rows_.push_back(&row); }
    void setScale(const TwipScale& scale) { scale_ = scale; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QPainter painter(static_cast<QWidget*>(watched));
            for (const ControlRow* row : rows_)  // later rows lie over earlier ones
                painter.fillRect(scale_.Rect(row->left, row->top, row->width, row->height),
                                 QColor(QString::fromLatin1(row->caption)));
        }
        return false;
    }

private:
    std::vector<const ControlRow*> rows_;
    TwipScale scale_;
};

// Keeps a control's right and bottom margins when its parent is resized.
class EdgeFollower : public QObject {
public:
    explicit EdgeFollower(QWidget& control) : QObject(&control), control_(control) {
        const QWidget& parent = *control.parentWidget();
        right_ = parent.width() - control.geometry().right();
        bottom_ = parent.height() - control.geometry().bottom();
        control.parentWidget()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize) {
            const QWidget& parent = *control_.parentWidget();
            QRect r = control_.geometry();
            r.setRight(std::max(r.left(), parent.width() - right_));
            r.setBottom(std::max(r.top(), parent.height() - bottom_));
            control_.setGeometry(r);
        }
        return false;
    }

private:
    QWidget& control_;
    int right_ = 0, bottom_ = 0;
};

QLabel* MakeLabel(QWidget& parent, const QString& text, Qt::Alignment alignment) {
    auto* label = new QLabel(text, &parent);
    label->setAlignment(alignment);
    return label;
}

QPushButton* MakeButton(QWidget& parent, const QString& caption, bool isDefault) {
    auto* button = new QPushButton(caption, &parent);
    if (isDefault) {
        button->setDefault(true);
    } else {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    return button;
}

// A text of the table in the user's language; a colour or an empty text is
// never looked up.
QString Translated(const char* context, const char* text) {
    if (!text || !*text) return QString();
    return QCoreApplication::translate(context, text);
}

QWidget* MakeControl(QWidget& parent, const ControlRow& row, const char* context) {
    const QString caption = row.kind == ControlKind::Line ? QString() : Translated(context, row.caption);
    switch (row.kind) {
    case ControlKind::Label:
        return MakeLabel(parent, caption, Qt::AlignLeft | Qt::AlignTop);
    case ControlKind::Caption:
        return MakeLabel(parent, caption, Qt::AlignLeft | Qt::AlignVCenter);
    case ControlKind::Title: {
        QLabel* label = MakeLabel(parent, caption, Qt::AlignLeft | Qt::AlignTop);
        QFont font = label->font();
        if (font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * TitleFontRatio);
        else
            font.setPixelSize(int(std::lround(font.pixelSize() * TitleFontRatio)));
        label->setFont(font);
        return label;
    }
    case ControlKind::WrappedText: {
        QLabel* label = MakeLabel(parent, caption, Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        return label;
    }
    case ControlKind::HiddenLabel:
        // A window of its own that is never shown: it holds a value, and
        // assistive technology does not list it among the window's controls.
        return new QLabel(caption, &parent, Qt::Window);
    case ControlKind::Picture: {
        QLabel* picture = MakeLabel(parent, QString(), Qt::AlignCenter);
        picture->setPixmap(AppIconPixmap(32));
        return picture;
    }
    case ControlKind::Line:
        return nullptr;
    case ControlKind::TextBox:
        return new QLineEdit(caption, &parent);
    case ControlKind::KeepingTextBox:
        return new SelectionKeepingLineEdit(caption, &parent);
    case ControlKind::Button:
        return MakeButton(parent, caption, false);
    case ControlKind::DefaultButton:
        return MakeButton(parent, caption, true);
    case ControlKind::OptionButton:
        return new OptionButton(caption, &parent);
    case ControlKind::CheckBox:
        return new QCheckBox(caption, &parent);
    case ControlKind::List:
        return new NameListBox(&parent);
    case ControlKind::DriveList:
    case ControlKind::DropDown: {
        auto* box = new QComboBox(&parent);
        AnnounceByName(*box);
        return box;
    }
    case ControlKind::DirList:
        return new DirListBox(&parent);
    case ControlKind::FileList:
        return new FileListBox(&parent);
    }
    return nullptr;
}

// The room a control's text is drawn in, at the control's present size.
QRect TextRoom(const QWidget& control) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QStyle::SubElement contents = qobject_cast<const QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                            : qobject_cast<const QCheckBox*>(button)  ? QStyle::SE_CheckBoxContents
                                                                                       : QStyle::SE_PushButtonContents;
        return control.style()->subElementRect(contents, &option, button);
    }
    return control.contentsRect();
}

// Pixels the control needs, per axis, to show its text whole; zero where
// the control has no text of its own to fit.
QSize NeededSize(const QWidget& control, ControlKind kind) {
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        text = label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        text = button->text();
    if (text.isEmpty()) return {};
    const QRect room = TextRoom(control);
    const QSize chrome = control.size() - room.size();
    const QFontMetrics metrics(control.font());
    if (kind == ControlKind::WrappedText) {
        const auto& label = static_cast<const QLabel&>(control);
        return {0, label.heightForWidth(control.width())};
    }
    return QSize(metrics.size(Qt::TextShowMnemonic, text).width(), metrics.height()) + chrome;
}

bool HasText(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label:
    case ControlKind::Title:
    case ControlKind::Caption:
    case ControlKind::WrappedText:
    case ControlKind::Button:
    case ControlKind::DefaultButton:
    case ControlKind::OptionButton:
    case ControlKind::CheckBox:
        return true;
    default:
        return false;
    }
}

}  // namespace

TwipScale TwipScale::ForFont(const QFont& font) {
    const QFontMetricsF metrics(font);
    const double letters =
        metrics.horizontalAdvance(QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ")) / 52;
    TwipScale scale;
    scale.x = std::max(1.0, letters / DesignCharWidth);
    // Whole pixels, as a line of text takes them.
    scale.y = std::max(1.0, QFontMetrics(font).height() / DesignLineHeight);
    return scale;
}

int TwipScale::X(int twips) const { return int(std::lround(twips / TwipsPerPixel * x)); }
int TwipScale::Y(int twips) const { return int(std::lround(twips / TwipsPerPixel * y)); }

// By edges, so that rectangles that meet in twips meet in pixels.
QRect TwipScale::Rect(int left, int top, int width, int height) const {
    return QRect(QPoint(X(left), Y(top)), QPoint(X(left + width) - 1, Y(top + height) - 1));
}

QSize TwipScale::Size(int width, int height) const { return QSize(X(width), Y(height)); }

// Half a pixel to spare for rounding; a rectangle placed by its edges may
// still come out a pixel short, and the next round grows it again.
void TwipScale::GrowX(int twips, int pixels) {
    if (twips > 0) x = std::max(x, (pixels + 0.5) * TwipsPerPixel / twips);
}
void TwipScale::GrowY(int twips, int pixels) {
    if (twips > 0) y = std::max(y, (pixels + 0.5) * TwipsPerPixel / twips);
}

Form BuildForm(QWidget& parent, std::span<const ControlRow> rows, const char* context) {
    Form form;
    PaintedLines* lines = nullptr;
    std::vector<std::pair<const ControlRow*, QWidget*>> placed;
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlRow& row : rows) {
        if (row.kind == ControlKind::Line) {
            if (!lines) lines = new PaintedLines(parent);
            lines->add(row);
            continue;
        }
        QWidget* control = MakeControl(parent, row, context);
        control->setObjectName(row.name);
        if (row.kind == ControlKind::HiddenLabel)
            control->hide();
        else
            placed.emplace_back(&row, control);
        if (row.accessibleName) control->setAccessibleName(Translated(context, row.accessibleName));
        if (row.toolTip) {
            control->setToolTip(Translated(context, row.toolTip));
            control->setAccessibleDescription(control->toolTip());
        }
        if (row.tab == NoTab)
            control->setFocusPolicy(Qt::NoFocus);
        else
            tabOrder.emplace_back(row.tab, control);
        form.add(control);
    }

    // The font's scale, grown until every text fits; a wrapped text needs
    // less height as its width grows, so this settles in a few rounds.
    TwipScale scale = TwipScale::ForFont(parent.font());
    const auto place = [&] {
        for (const auto& [row, control] : placed)
            control->setGeometry(scale.Rect(row->left, row->top, row->width, row->height));
    };
    for (int round = 0; round < 8; ++round) {
        place();
        const TwipScale before = scale;
        for (const auto& [row, control] : placed) {
            if (!HasText(row->kind)) continue;
            const QSize needed = NeededSize(*control, row->kind);
            if (control->width() < needed.width()) scale.GrowX(row->width, needed.width());
            if (control->height() < needed.height()) scale.GrowY(row->height, needed.height());
        }
        if (scale.x == before.x && scale.y == before.y) break;
    }
    place();
    if (lines) lines->setScale(scale);
    form.SetScale(scale);

    std::stable_sort(tabOrder.begin(), tabOrder.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i) QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    if (!tabOrder.empty()) tabOrder.front().second->setFocus();
    return form;
}

void FollowRightAndBottom(QWidget& control) { new EdgeFollower(control); }
