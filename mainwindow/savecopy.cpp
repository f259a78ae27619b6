#include "savecopy.h"

#include "cp1250.h"
#include "errors.h"
#include "files.h"
#include "savenames.h"
#include "tform1.h"
#include "tsavepicturedialog.h"
#include "viewstate.h"

#include <optional>

void Image8Click() {
    const ViewState& view = View();
    // Mixed separators ("C:\KIOSK/images/a.jpg") are fine for the file services.
    const std::string source = view.StartDirectory + view.CurrentPicturePath;
    TSavePictureDialog& dialog = *MainForm()->SavePictureDialog1;
    dialog.SetFileName(ProposedFileName(view.CurrentPicturePath));
    const bool confirmed = dialog.Execute();

    std::optional<std::string> failure;
    std::string target;
    if (confirmed) {
        const QString chosen = dialog.ChosenPath();
        // The rules change ASCII letters only, so they read the same in either encoding.
        const std::optional<std::string> chosenBytes = Utf8ToCp1250(chosen.toStdString());
        target = SaveTargetPath(chosenBytes.value_or(chosen.toStdString()));
        if (!chosenBytes)
            failure = "the name holds characters the program cannot write";
        else
            failure = files::CopyFileReplacing(source, target);
    }
    // The dialog may have moved the current directory; every relative path depends on it.
    files::SetCurrentDirectory(view.StartDirectory);
    // Silence here would let the user believe the copy exists.
    if (failure)
        throw EInOutError(0, "Cannot save the picture to " + target + ": " + *failure);
}
