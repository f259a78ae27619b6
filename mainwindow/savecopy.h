#pragma once
// The Save button: a copy of the shown picture's file under a name the user chooses.

class QWidget;
struct ViewState;
class TSavePictureDialog;

class SaveCopy {
public:
    // The dialog is made on dialogParent at its first use.
    SaveCopy(QWidget& dialogParent, const ViewState& view);

    // Asks for the name and copies the file; a failed copy is raised as EInOutError.
    void Run();

private:
    // Made at its first use, not with the window: a file dialog takes longer to build than
    // everything else the program shows before its splash.
    TSavePictureDialog& Dialog();

    QWidget& dialogParent_;
    const ViewState& view_;
    TSavePictureDialog* dialog_ = nullptr;
};
