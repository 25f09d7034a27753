#pragma once
// Shared by the options, filter and about-box tests: a main window on a store
// of its own, and a runner for modal dialogs.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "frmMain.h"
#include "rename_layer.h"
#include "settings_store.h"
#include "work_state.h"

class MainWindowOnTempStore : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        store = std::make_unique<SettingsStore>(storeFile());
        main = std::make_unique<frmMain>(*ws, *store, renamer);
    }
    QString storeFile() const { return dir.filePath("Morvane.conf"); }
    void SetLabels(const QStringList& texts) {
        QLabel* labels[] = {main->lblPrefix, main->lblSufix, main->lblStartNumber, main->lblLetteringPosition};
        for (int i = 0; i < 4; ++i) labels[i]->setText(texts[i]);
    }
    QStringList LabelTexts() const {
        return {main->lblPrefix->text(), main->lblSufix->text(), main->lblStartNumber->text(),
                main->lblLetteringPosition->text()};
    }

    QTemporaryDir dir;
    std::unique_ptr<morvane::WorkState> ws = std::make_unique<morvane::WorkState>();
    std::unique_ptr<SettingsStore> store;
    morvane::PosixRenamer renamer;
    std::unique_ptr<frmMain> main;
};

// Calls `open`, which shows a modal dialog and waits for it, and runs `act` on
// that dialog once it is up. A dialog still open afterwards is rejected so a
// failing test cannot hang. Returns whether `act` left the dialog open.
inline bool RunModal(const std::function<void()>& open, const std::function<void(QDialog&)>& act) {
    bool found = false, leftOpen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        found = true;
        act(*dialog);
        leftOpen = dialog->isVisible();
        if (leftOpen) dialog->reject();
    });
    open();
    EXPECT_TRUE(found) << "no modal dialog came up";
    return leftOpen;
}
