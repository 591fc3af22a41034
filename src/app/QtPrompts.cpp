#include "app/QtPrompts.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "common/NestedLoop.h"
#include "skin_ui/DialogPlacement.h"

namespace {

QWidget* ownerWidget(PromptOwner owner) {
    return static_cast<QWidget*>(owner);
}

QMessageBox::Icon toQtIcon(PromptIcon icon) {
    switch (icon) {
        case PromptIcon::Error:
            return QMessageBox::Critical;
        case PromptIcon::Warning:
            return QMessageBox::Warning;
        case PromptIcon::Information:
            return QMessageBox::Information;
        case PromptIcon::Question:
            return QMessageBox::Question;
        case PromptIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQtButtons(PromptButtons buttons) {
    switch (buttons) {
        case PromptButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case PromptButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case PromptButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton toQtButton(PromptAnswer answer) {
    switch (answer) {
        case PromptAnswer::Yes:
            return QMessageBox::Yes;
        case PromptAnswer::No:
            return QMessageBox::No;
        case PromptAnswer::Cancel:
            return QMessageBox::Cancel;
        case PromptAnswer::Ok:
            break;
    }
    return QMessageBox::Ok;
}

QStringList qtPatterns(const QStringList& patterns) {
    QStringList translated;
    for (const QString& pattern : patterns) {
        for (const QString& part : pattern.split(';', Qt::SkipEmptyParts)) {
            translated << (part.trimmed() == "*.*" ? QString("*") : part.trimmed());
        }
    }
    return translated;
}

}  // namespace

QtPrompts::QtPrompts(std::function<QWidget*()> fallbackOwner)
    : fallbackOwner(std::move(fallbackOwner)) {}

PromptOwner QtPrompts::ownerOr(PromptOwner owner) const {
    if (owner == nullptr && fallbackOwner) {
        return fallbackOwner();
    }
    return owner;
}

std::unique_ptr<QMessageBox> QtPrompts::messageBoxFor(const PromptMessage& message) {
    auto box =
        std::make_unique<QMessageBox>(toQtIcon(message.icon), message.caption, message.text,
                                      toQtButtons(message.buttons), ownerWidget(message.owner));
    box->setTextFormat(Qt::PlainText);
    if (message.defaultButton) {
        box->setDefaultButton(toQtButton(*message.defaultButton));
    }
    if (message.topmost) {
        box->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    }
    DialogPlacement::placeAbove(box.get(), ownerWidget(message.owner));
    return box;
}

PromptAnswer QtPrompts::ask(const PromptMessage& request) {
    PromptMessage message = request;
    message.owner = ownerOr(request.owner);
    const std::unique_ptr<QMessageBox> box = messageBoxFor(message);
    const NestedLoop::Guard inDialog;
    switch (box->exec()) {
        case QMessageBox::Yes:
            return PromptAnswer::Yes;
        case QMessageBox::No:
            return PromptAnswer::No;
        case QMessageBox::Cancel:
            return PromptAnswer::Cancel;
        case QMessageBox::Ok:
            return PromptAnswer::Ok;
        default:
            return dismissedAnswer(message.buttons);
    }
}

QString QtPrompts::qtNameFilter(const FileFilter& filter) {
    return filter.displayText + " (" + qtPatterns(filter.patterns).join(' ') + ")";
}

std::unique_ptr<QFileDialog> QtPrompts::fileDialogFor(const FileDialogRequest& request) {
    auto dialog = std::make_unique<QFileDialog>(ownerWidget(request.owner));
    // Qt's own dialog shows the type box texts exactly as given; a desktop's dialog may not.
    dialog->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    QStringList nameFilters;
    for (const FileFilter& filter : request.filters) {
        nameFilters << qtNameFilter(filter);
    }
    dialog->setNameFilters(nameFilters);
    if (!nameFilters.isEmpty()) {
        dialog->selectNameFilter(nameFilters.constFirst());
    }
    if (!request.initialFolder.isEmpty()) {
        dialog->setDirectory(request.initialFolder);
    }
    DialogPlacement::placeAbove(dialog.get(), ownerWidget(request.owner));
    switch (request.mode) {
        case FileDialogRequest::Mode::OpenFiles:
            dialog->setFileMode(QFileDialog::ExistingFiles);
            break;
        case FileDialogRequest::Mode::OpenFile:
            dialog->setFileMode(QFileDialog::ExistingFile);
            break;
        case FileDialogRequest::Mode::Save:
            dialog->setFileMode(QFileDialog::AnyFile);
            dialog->setAcceptMode(QFileDialog::AcceptSave);
            dialog->setDefaultSuffix(request.defaultSuffix);
            break;
    }
    return dialog;
}

QStringList QtPrompts::chooseFiles(const FileDialogRequest& request) {
    FileDialogRequest owned = request;
    owned.owner = ownerOr(request.owner);
    const std::unique_ptr<QFileDialog> dialog = fileDialogFor(owned);
    const NestedLoop::Guard inDialog;
    if (dialog->exec() != QDialog::Accepted) {
        return {};
    }
    return dialog->selectedFiles();
}

std::unique_ptr<QInputDialog> QtPrompts::textEntryFor(const TextEntryRequest& request) {
    auto dialog = std::make_unique<QInputDialog>(ownerWidget(request.owner));
    dialog->setWindowTitle(request.caption);
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setLabelText(QString());
    dialog->setTextValue(request.initialText);
    dialog->setOkButtonText("&Ok");
    dialog->setCancelButtonText("&Cancel");
    DialogPlacement::placeAbove(dialog.get(), ownerWidget(request.owner));
    return dialog;
}

std::optional<QString> QtPrompts::enterText(const TextEntryRequest& request) {
    TextEntryRequest owned = request;
    owned.owner = ownerOr(request.owner);
    const std::unique_ptr<QInputDialog> dialog = textEntryFor(owned);
    const NestedLoop::Guard inDialog;
    if (dialog->exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog->textValue();
}
