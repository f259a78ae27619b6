#include "mainwindow/savecopy.h"

#include "core/errors.h"
#include "core/files.h"
#include "mainwindow/savefolders.h"
#include "mainwindow/savenames.h"
#include "mainwindow/tsavepicturedialog.h"
#include "mainwindow/viewstate.h"
#include "shell/plainmessage.h"

#include <optional>

SaveCopy::SaveCopy(QWidget& dialogParent, const ViewState& view)
    : dialogParent_(dialogParent), view_(view) {}

TSavePictureDialog& SaveCopy::Dialog() {
    if (!dialog_) {
        dialog_ = new TSavePictureDialog(&dialogParent_);
        dialog_->setObjectName(QStringLiteral("SavePictureDialog1"));
    }
    return *dialog_;
}

void SaveCopy::Run() {
    const SavePolicy& policy = TheSavePolicy();
    if (policy.disabled) {
        PlainMessage(QStringLiteral("Ezen a gépen nem lehet képet menteni."));
        return;
    }
    if (policy.lockedDown && PresentSaveFolders(policy).empty()) {
        PlainMessage(policy.folders.empty()
                         ? QStringLiteral("A mentéshez csatlakoztasson egy USB-meghajtót.")
                         : QStringLiteral("A mentés helye most nem érhető el."));
        return;
    }
    const ViewState& view = view_;
    // Before the first picture the source would be the start folder itself; there is nothing
    // to name or copy yet.
    if (view.CurrentPicturePath.empty())
        throw EInvalidOperation("No picture is shown");
    // Mixed separators ("C:\KIOSK/images/a.jpg") are fine for the file services.
    const std::string source = view.StartDirectory + view.CurrentPicturePath;
    TSavePictureDialog& dialog = Dialog();
    dialog.SetFileName(ProposedFileName(view.CurrentPicturePath));
    const bool confirmed = dialog.Execute();

    std::optional<std::string> failure;
    std::string target;
    if (confirmed) {
        // The chosen path stays in the file system's own encoding: the name rules change
        // ASCII letters only, so they read the same in either.
        target = dialog.Target();
        failure = files::CopyFileReplacing(source, target);
    }
    // The dialog may have moved the current directory; every relative path depends on it.
    files::SetCurrentDirectory(view.StartDirectory);
    // Silence here would let the user believe the copy exists. The target and the reason are
    // the system's text.
    if (failure)
        throw EInOutError(0, {{"Cannot save the picture to "},
                              PathText(target, TextEncoding::System),
                              {": "},
                              SystemText(*failure)});
}
