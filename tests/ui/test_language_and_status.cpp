// The program in the user's language, its status line's words, and what a
// screen reader hears of the workflow and its results.
#include <QAccessible>

#include "texts/language.h"
#include "texts/report_text.h"
#include "texts/status_text.h"
#include "window_test_support.h"

namespace {

using morvane::ErrorNumber;
using morvane::NameFault;
using morvane::NamePart;

// The words chosen by what is known of a failure: which part, the folder,
// undoing or not, the cause, the journal folder's fault. A text that only
// stands for its number is held by the check below that each number has
// words of its own, and by the translations; a prefix with a slash is the
// language test's, a journal folder that is a file the workflow's.
TEST(StatusWords, EachFailureSaysWhatHappenedAndWhatToDo) {
    using morvane::FolderFault;
    const auto journal = [](bool undoing, FolderFault fault, std::string path) {
        StatusContext context{"/s", {}, undoing};
        context.Journal = morvane::FolderCheck{fault, std::move(path)};
        return context;
    };
    const std::tuple<const char*, ErrorNumber, StatusContext, QString> rows[] = {  // name, number, context, words
        {"a suffix with NUL", ErrorNumber::BadFileName, {"/p", {NamePart::Suffix, NameFault::Nul, u"x"}},
         "The suffix holds a NUL character, which no file name may contain. Change it with Options > Set Options."},
        {"a new name with NUL shows it as a symbol", ErrorNumber::BadFileName,
         {"/p", {NamePart::NewName, NameFault::Nul, morvane::Text(u"a\0b", 3)}},
         "The new name \"a\u2400b\" holds a NUL character, which no file name may contain."},
        {"the folder gone", ErrorNumber::PathNotFound, {"/home/me/Photos"},
         "The folder /home/me/Photos is gone. Choose the files again with Select."},
        {"a file gone before the pass", ErrorNumber::FileNotFound, {"/p"},
         "A file to rename is no longer in /p. Choose the files again with Select."},
        {"a file gone before the undo", ErrorNumber::FileNotFound, {"/p", {}, true},
         "A renamed file is no longer in /p, so it cannot get its old name back."},
        {"a read-only folder named as the cause", ErrorNumber::CannotAccess,
         {"/p", {}, false, morvane::RefusalCause::ReadOnlyFileSystem},
         "A file could not be renamed: the file system of /p is read-only."},
        {"an immutable folder, while undoing", ErrorNumber::CannotAccess,
         {"/p", {}, true, morvane::RefusalCause::ImmutableFolder},
         "A file could not get its old name back: the folder /p is marked immutable."},
        {"the journal folder cannot be read for an undo", ErrorNumber::JournalFolderUnusable, {"/s", {}, true},
         "Morvane cannot read the folder /s, where it keeps the renames it can undo. Check that it exists and can be "
         "read."},
        {"the journal folder cannot be made", ErrorNumber::JournalFolderUnusable, journal(false, FolderFault::NotWritable, "/"),
         "Nothing was renamed: Morvane cannot keep what it needs to undo a rename in /s. You may not write in /."},
        {"the journal folder's disk is full after the pass", ErrorNumber::DiskFull, journal(false, FolderFault::Full, "/s"),
         "Morvane could not write to /s, where it keeps the renames it can undo. The disk that holds /s is full. Free "
         "some space, then try again."},
        {"no home at all", ErrorNumber::JournalFolderUnusable, [] {
             StatusContext none;
             none.Journal = morvane::FolderCheck{FolderFault::NoFolder, {}};
             return none;
         }(),
         "Nothing was renamed: Morvane has no folder to keep what it needs to undo a rename. No home folder is set to "
         "keep it in (HOME)."},
    };
    for (const auto& [name, error, context, words] : rows) EXPECT_EQ(ErrorWords(error, context), words) << name;

    // Every number the program shows has words of its own.
    QStringList seen;
    for (const int number : {5, 7, 13, 51, 52, 53, 57, 58, 61, 67, 74, 75, 76, 79, 80}) {
        const QString words = ErrorWords(static_cast<ErrorNumber>(number));
        // The second: says what another number says.
        EXPECT_EQ(std::tuple(words.isEmpty() || words.startsWith("Something failed"), seen.contains(words)), std::tuple(false, false))
            << number;
        seen << words;
    }
}

class LanguageTest : public UiTest {
protected:
    // A refused prefix through the whole window: the number and the words.
    void RenameWithPrefix(const QString& prefix) {
        MakeFile(Files(), "a.jpg");
        store->write("Dir", Files());
        Hand({"a.jpg"});
        Click(Button("Command1"));
        SetOptions({prefix, "", "1", "0"});
        Click(Button("Command4"));
    }
};

TEST_F(LanguageTest, EachLanguageSpeaksThroughoutAndEnglishReadsAsAlways) {
    // Locale; "Select ", the File menu, the error number, the status line (where given: in French and Spanish it
    // would restate the translations), the skipped files, Qt's "&Yes" in it. Another English locale finds no
    // translation by Qt's own lookup.
    const std::tuple<const char*, QString, QString, QString, QString, QString, QString> rows[] = {
        {"C", "Select ", "&File", "Error # 52",
         "The prefix holds \"/\", which no file name may contain. Change it with Options > Set Options.",
         "Some Files Were Skipped", "&Yes"},
        {"de_DE", "Auswählen ", "&Datei", "Fehler Nr. 52",
         "Das Präfix enthält „/“, das in keinem Dateinamen stehen darf. Ändern Sie es unter Optionen > Optionen "
         "festlegen.",
         "Einige Dateien wurden übersprungen", "&Ja"},
        {"fr_FR", "Sélectionner ", "&Fichier", "Erreur n° 52", {}, "Certains fichiers ont été ignorés", "&Oui"},
    };
    for (const auto& [locale, select, file, error, status, skipped, yes] : rows) {
        SCOPED_TRACE(locale);
        const Language language{QLocale(locale)};
        OpenMain();
        // Qt's own buttons ("&Yes") speak the same language.
        EXPECT_EQ(std::tuple(language.Translated(), Button("Command3")->text(), main->findChild<QMenu*>("MnuFile")->title(),
                             SkippedText(), QCoreApplication::translate("QPlatformTheme", "&Yes")),
                  std::tuple(select != "Select ", select, file, skipped, yes));
        RenameWithPrefix("a/");
        EXPECT_EQ(std::tuple(Box("txtExample")->text(), status.isNull() ? status : StatusLine()), std::tuple(error, status));
        std::filesystem::remove_all(Raw(Files()) + "/a.jpg");
    }
}

TEST_F(LanguageTest, ResultsAreCountedByTheLanguagesPluralRulesAndNamed) {
    const auto undo = [](std::function<void(morvane::SessionUndo&)> set) {
        return [set] {
            morvane::SessionUndo result;
            set(result);
            return UndoReport(result, "/p");
        };
    };
    const std::tuple<const char*, std::function<QString()>, QString> rows[] = {
        {"C", undo([](morvane::SessionUndo& u) { u.NoneFound = true; }),
         "The folder at /p holds none of the files renamed there; nothing was changed, the pass stays in the history."},
        {"C", undo([](morvane::SessionUndo& u) { u.Restored = 1, u.AlreadyBack = 2, u.NotFound = {u"c.txt"}; }),
         "1 file has its old name again. 2 already had their old names. Not found: c.txt; the pass keeps them for a "
         "later undo."},
        {"C", undo([](morvane::SessionUndo& u) { u.RenamedLater = {u"b.txt", u"a.txt"}; }),
         "0 files have their old names again. Renamed again by a later pass: b.txt, a.txt. Undo that one first."},
        {"C", undo([](morvane::SessionUndo& u) { u.Restored = 2, u.Blocked = {u"a.txt"}, u.LeftBehind = {u"a.txt"}; }),
         "2 files have their old names again. Not given back yet: a.txt, whose old names are held by files a rename "
         "cut short may have left: a.txt. Remove those that are not yours, then undo again."},
        {"C", [] { return RenamedWords(1, 0, {}, "/p"); }, "1 file was renamed. Accept the new names, or Undo the changes."},
        {"C", [] { return RenamedWords(27, 1, {{{morvane::RefusalCause::InUse, u"b.jpg", 1}}, true}, "/p"); },
         "27 files were renamed (1 with a number added). 1 file was skipped: files in use cannot be renamed (b.jpg). "
         "Some files were skipped: they could not be renamed, or lie past the 1001st. Accept the new names, or Undo "
         "the changes."},
        {"C", [] { return RenamedWords(0, 0, {{{morvane::RefusalCause::ReadOnlyFileSystem, u"IMG_0041.JPG", 3}}}, "/p"); },
         "No file was renamed. 3 files were skipped: the file system of /p is read-only (IMG_0041.JPG and 2 others)."},
        {"C", [] { return RenamedWords(2, 2, {{{morvane::RefusalCause::ImmutableFolder, u"a.jpg", 2}}}, "/p"); },
         "2 files were renamed (2 with a number added). 2 files were skipped: the folder /p is marked immutable (a.jpg and 1 "
         "other). Accept the new names, or Undo the changes."},
        {"es_ES", [] { return MediumDateTime(QLocale("es_ES"), QDateTime(QDate(2026, 12, 7), QTime(20, 19))); },
         "7 dic 2026 20:19"},
        {"C", [] {  // elsewhere: the short date with the whole year
             return MediumDateTime(QLocale("it_IT"), QDateTime(QDate(2026, 12, 7), QTime(20, 19)));
         }, "07/12/2026 20:19"},
        {"fr_FR", [] { return RestoredWords(3); }, "3 fichiers ont retrouvé leur ancien nom."},
        {"fr_FR", [] { return RestoredWords(0); }, "0 fichier a retrouvé son ancien nom."},
    };
    for (const auto& [locale, words, expected] : rows) {
        const Language language{QLocale(locale)};
        EXPECT_EQ(words(), expected) << locale;
    }
}

// Each workflow button carries its instruction; the status line is read once,
// by its name (every test's StatusLine()), with no description or tool tip
// repeating it, and is shown whole on several lines (the layout test).
TEST_F(LanguageTest, AScreenReaderFindsTheInstructionsAndTheStatusLineOnce) {
    const std::pair<const char*, QString> buttons[] = {{"Command3", "Select the directory"}, {"Command2", "Highlight one part"},
                                                       {"Command1", "Edit the above mask"}, {"Command4", "Example new filename"}};
    for (const auto& [name, instruction] : buttons) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(Button(name));
        ASSERT_NE(face, nullptr);
        EXPECT_TRUE(face->text(QAccessible::Description).startsWith(instruction)) << name;
    }
    RenameWithPrefix("a/");
    auto* status = InMain<QLabel>("lblStatus");
    QAccessibleInterface* line = QAccessible::queryAccessibleInterface(status);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(std::tuple(status->text().contains('\n'), line->text(QAccessible::Description), status->toolTip()),
              std::tuple(true, QString(), QString()));
}

}  // namespace
