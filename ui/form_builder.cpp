#include "form_builder.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <vector>

#include "app_icon.h"
#include "dialog_placement.h"
#include "dir_list_box.h"
#include "file_list_box.h"
#include "name_list_box.h"

namespace {

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

QWidget* MakeControl(QWidget& parent, const ControlRow& row) {
    const QString caption = row.caption ? QString(row.caption) : QString();
    switch (row.kind) {
    case ControlKind::Label:
        return MakeLabel(parent, caption, Qt::AlignLeft | Qt::AlignTop);
    case ControlKind::Caption:
        return new QLabel(caption, &parent);
    case ControlKind::WrappedText: {
        QLabel* label = MakeLabel(parent, caption, Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        return label;
    }
    case ControlKind::HiddenLabel:
        return new QLabel(caption, &parent);
    case ControlKind::Picture: {
        QLabel* picture = MakeLabel(parent, QString(), Qt::AlignCenter);
        picture->setPixmap(AppIconPixmap(32));
        return picture;
    }
    case ControlKind::Line: {
        auto* line = new QFrame(&parent);
        line->setFrameShape(QFrame::NoFrame);
        line->setAutoFillBackground(true);
        return line;
    }
    case ControlKind::TextBox:
        return new QLineEdit(caption, &parent);
    case ControlKind::KeepingTextBox:
        return new SelectionKeepingLineEdit(caption, &parent);
    case ControlKind::Button:
        return MakeButton(parent, caption, false);
    case ControlKind::DefaultButton:
        return MakeButton(parent, caption, true);
    case ControlKind::OptionButton:
        return new QRadioButton(caption, &parent);
    case ControlKind::List:
        return new NameListBox(&parent);
    case ControlKind::DriveList:
        return new QComboBox(&parent);
    case ControlKind::DirList:
        return new DirListBox(&parent);
    case ControlKind::FileList:
        return new FileListBox(&parent);
    }
    return nullptr;
}

}  // namespace

Form BuildForm(QWidget& parent, std::span<const ControlRow> rows) {
    Form form;
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlRow& row : rows) {
        QWidget* control = MakeControl(parent, row);
        control->setObjectName(row.name);
        if (row.kind == ControlKind::HiddenLabel)
            control->hide();
        else
            control->setGeometry(TwipsRect(row.left, row.top, row.width, row.height));
        if (row.accessibleName) control->setAccessibleName(row.accessibleName);
        if (row.toolTip) {
            control->setToolTip(row.toolTip);
            control->setAccessibleDescription(row.toolTip);
        }
        if (row.kind == ControlKind::Caption) GrowToFit(*control);
        if (row.tab == NoTab)
            control->setFocusPolicy(Qt::NoFocus);
        else
            tabOrder.emplace_back(row.tab, control);
        form.add(control);
    }
    std::stable_sort(tabOrder.begin(), tabOrder.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i) QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    if (!tabOrder.empty()) tabOrder.front().second->setFocus();
    return form;
}
