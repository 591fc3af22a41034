#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "AppFixture.h"
#include "app/QtPrompts.h"
#include "playlist/FileDialog.h"

namespace {

// The names the dialog's list shows, sorted.
QStringList listedNames(QFileDialog& dialog) {
    auto* view = dialog.findChild<QListView*>("listView");
    QStringList names;
    for (int row = 0; view && view->model() && row < view->model()->rowCount(view->rootIndex());
         ++row) {
        names << view->model()->index(row, 0, view->rootIndex()).data().toString();
    }
    names.sort();
    return names;
}

// Answers the next modal box or dialog, once it is shown, by the given action.
template <typename Dialog>
void whenShown(const std::function<void(Dialog&)>& answer) {
    QTimer::singleShot(0, [answer] {
        if (auto* shown = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            answer(*shown);
        }
    });
}

}  // namespace

TEST(QtPrompts, MessageBoxesShowMarkupLiterallyWithTheirDefaultOwnerAndTopmost) {
    QWidget owner;
    PromptMessage message{.text = "song: <img src=/dev/zero>\npath: /music/<b>bold</b>&amp;.mp3",
                          .caption = "File does not exists.",
                          .icon = PromptIcon::Error,
                          .buttons = PromptButtons::YesNo,
                          .defaultButton = PromptAnswer::No,
                          .owner = &owner,
                          .topmost = true};
    const auto box = QtPrompts::messageBoxFor(message);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->text(), message.text);
    EXPECT_EQ(box->findChild<QLabel*>("qt_msgbox_label")->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
    EXPECT_TRUE(box->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(box->parentWidget(), &owner);
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    const auto plain = QtPrompts::messageBoxFor({.text = "text"});
    EXPECT_FALSE(plain->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(plain->parentWidget(), nullptr);

    // The box as shown: its answer comes back through the seam.
    QString shownText;
    whenShown<QMessageBox>([&](QMessageBox& shown) {
        shownText = shown.findChild<QLabel*>("qt_msgbox_label")->text();
        shown.button(QMessageBox::Yes)->click();
    });
    message.owner = nullptr;
    EXPECT_EQ(QtPrompts().ask(message), PromptAnswer::Yes);
    EXPECT_EQ(shownText, message.text);
}

TEST(QtPrompts, FileDialogsFilterByTheirTypesAndSaveWithTheDefaultExtension) {
    QTemporaryDir dir;
    for (const char* name : {"a.mp3", "b.vpl", "c.vps", "d.s3d", "notes.txt", "no extension"}) {
        ASSERT_TRUE(writeFile(dir.filePath(name), {}));
    }
    const auto dialog = QtPrompts::fileDialogFor({.mode = FileDialogRequest::Mode::OpenFiles,
                                                  .filters = FileDialog::openFilesFilters(),
                                                  .initialFolder = dir.path()});
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFiles);
    auto* typeBox = dialog->findChild<QComboBox*>("fileTypeCombo");
    ASSERT_NE(typeBox, nullptr);
    ASSERT_EQ(typeBox->count(), int(FileDialog::openFilesFilters().size()));
    for (int i = 0; i < typeBox->count(); ++i) {
        EXPECT_EQ(typeBox->itemText(i), FileDialog::openFilesFilters()[i].displayText);
    }
    EXPECT_EQ(typeBox->currentIndex(), 0);
    dialog->show();
    const std::pair<int, QStringList> cases[] = {
        {0, {"a.mp3", "b.vpl", "c.vps", "d.s3d"}},
        {1, {"b.vpl"}},
        {9, {"d.s3d"}},
        {14, {"a.mp3", "b.vpl", "c.vps", "d.s3d", "no extension", "notes.txt"}},
    };
    for (const auto& [type, expected] : cases) {
        // As the user picks it: the dialog follows the box's "activated" signal.
        typeBox->setCurrentIndex(type);
        emit typeBox->activated(type);
        // The folder is listed in the background.
        const QStringList wanted = expected;
        static_cast<void>(QTest::qWaitFor([&] { return listedNames(*dialog) == wanted; }, 5000));
        EXPECT_EQ(listedNames(*dialog), expected) << typeBox->itemText(type).toStdString();
    }
    dialog->reject();

    const auto save = QtPrompts::fileDialogFor({.mode = FileDialogRequest::Mode::Save,
                                                .filters = FileDialog::playlistFilters(),
                                                .initialFolder = dir.path(),
                                                .defaultSuffix = "vpl"});
    EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(save->testOption(QFileDialog::DontConfirmOverwrite));
    save->show();
    save->findChild<QLineEdit*>("fileNameEdit")->setText("mine");
    QMetaObject::invokeMethod(save.get(), "accept");
    EXPECT_EQ(save->result(), QDialog::Accepted);
    EXPECT_EQ(save->selectedFiles(), QStringList{dir.filePath("mine.vpl")});
}

TEST(QtPrompts, TheTextEntryHasTheCaptionTheTextAndOkAndCancel) {
    const TextEntryRequest request{.caption = "VeskPlayer - New skin", .initialText = "name"};
    const auto dialog = QtPrompts::textEntryFor(request);
    EXPECT_EQ(dialog->windowTitle(), "VeskPlayer - New skin");
    EXPECT_EQ(dialog->textValue(), "name");
    EXPECT_EQ(dialog->okButtonText(), "&Ok");
    EXPECT_EQ(dialog->cancelButtonText(), "&Cancel");
    whenShown<QInputDialog>([](QInputDialog& shown) { shown.accept(); });
    EXPECT_EQ(QtPrompts().enterText(request), QString("name"));
}
