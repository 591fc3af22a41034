#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/QtPrompts.h"
#include "playlist/FileDialog.h"

namespace {

QStringList textsOf(const std::vector<FileFilter>& filters) {
    QStringList texts;
    for (const FileFilter& filter : filters) {
        texts << filter.displayText;
    }
    return texts;
}

// The names the dialog's list shows, sorted.
QStringList listedNames(QFileDialog& dialog) {
    auto* view = dialog.findChild<QListView*>("listView");
    QStringList names;
    if (!view || !view->model()) {
        return names;
    }
    const QModelIndex root = view->rootIndex();
    for (int row = 0; row < view->model()->rowCount(root); ++row) {
        names << view->model()->index(row, 0, root).data().toString();
    }
    names.sort();
    return names;
}

}  // namespace

TEST(QtPrompts, MessageBoxesShowMarkupLiterallyWithTheirDefaultOwnerAndTopmost) {
    QWidget owner;
    PromptMessage message;
    message.text = "song: <img src=/dev/zero>\npath: /music/<b>bold</b>&amp;.mp3";
    message.caption = "File does not exists.";
    message.icon = PromptIcon::Error;
    message.buttons = PromptButtons::YesNo;
    message.defaultButton = PromptAnswer::No;
    message.owner = &owner;
    message.topmost = true;

    const auto box = QtPrompts::messageBoxFor(message);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->text(), message.text);
    auto* label = box->findChild<QLabel*>("qt_msgbox_label");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
    EXPECT_TRUE(box->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(box->parentWidget(), &owner);
    EXPECT_EQ(box->icon(), QMessageBox::Critical);

    PromptMessage plainMessage;
    plainMessage.text = "text";
    const auto plain = QtPrompts::messageBoxFor(plainMessage);
    EXPECT_FALSE(plain->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(plain->parentWidget(), nullptr);
    EXPECT_EQ(plain->textFormat(), Qt::PlainText);

    // The box as shown: its answer comes back through the seam.
    QtPrompts prompts;
    QString shownText;
    QTimer::singleShot(0, [&] {
        auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (shown) {
            shownText = shown->findChild<QLabel*>("qt_msgbox_label")->text();
            shown->button(QMessageBox::Yes)->click();
        }
    });
    message.owner = nullptr;
    EXPECT_EQ(prompts.ask(message), PromptAnswer::Yes);
    EXPECT_EQ(shownText, message.text);
}

TEST(QtPrompts, TheOpenDialogShowsEveryTypeTextAndItsPatternsReallyFilter) {
    QTemporaryDir dir;
    for (const char* name : {"a.mp3", "b.vpl", "c.vps", "d.s3d", "notes.txt", "no extension"}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::OpenFiles;
    request.filters = FileDialog::openFilesFilters();
    request.initialFolder = dir.path();
    const auto dialog = QtPrompts::fileDialogFor(request);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFiles);
    auto* typeBox = dialog->findChild<QComboBox*>("fileTypeCombo");
    ASSERT_NE(typeBox, nullptr);
    QStringList shownTypes;
    for (int i = 0; i < typeBox->count(); ++i) {
        shownTypes << typeBox->itemText(i);
    }
    EXPECT_EQ(shownTypes.join('\n'), textsOf(request.filters).join('\n'));
    EXPECT_EQ(typeBox->currentIndex(), 0);

    dialog->show();
    const std::pair<int, QStringList> cases[] = {
        {0, {"a.mp3", "b.vpl", "c.vps", "d.s3d"}},
        {1, {"b.vpl"}},
        {9, {"d.s3d"}},
        {14, {"a.mp3", "b.vpl", "c.vps", "d.s3d", "no extension", "notes.txt"}},
    };
    for (const auto& typeCase : cases) {
        const int type = typeCase.first;
        const QStringList& expected = typeCase.second;
        // As the user picks it: the dialog follows the box's "activated" signal.
        typeBox->setCurrentIndex(type);
        emit typeBox->activated(type);
        // The folder is listed in the background.
        static_cast<void>(QTest::qWaitFor([&] { return listedNames(*dialog) == expected; }, 5000));
        EXPECT_EQ(listedNames(*dialog).join(", "), expected.join(", "))
            << shownTypes[type].toStdString();
    }
    dialog->reject();
}

TEST(QtPrompts, TheSaveDialogAppendsTheDefaultExtensionAndAsksBeforeReplacing) {
    QTemporaryDir dir;
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.filters = FileDialog::playlistFilters();
    request.initialFolder = dir.path();
    request.defaultSuffix = "vpl";
    const auto dialog = QtPrompts::fileDialogFor(request);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));

    dialog->show();
    auto* nameBox = dialog->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(nameBox, nullptr);
    nameBox->setText("mine");
    QMetaObject::invokeMethod(dialog.get(), "accept");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->selectedFiles(), QStringList{dir.filePath("mine.vpl")});
}

TEST(QtPrompts, TheTextEntryHasTheCaptionTheTextAndOkAndCancel) {
    TextEntryRequest request;
    request.caption = "VeskPlayer - New skin";
    request.initialText = "name";
    const auto dialog = QtPrompts::textEntryFor(request);
    EXPECT_EQ(dialog->windowTitle(), "VeskPlayer - New skin");
    EXPECT_EQ(dialog->textValue(), "name");
    EXPECT_EQ(dialog->okButtonText(), "&Ok");
    EXPECT_EQ(dialog->cancelButtonText(), "&Cancel");

    QtPrompts prompts;
    QTimer::singleShot(0, [] {
        if (auto* shown = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
            shown->accept();
        }
    });
    EXPECT_EQ(prompts.enterText(request), QString("name"));
}
