#include "kiosk/windowsunwind.h"

#include "skin/tform.h"

#include <QApplication>
#include <QDialog>
#include <QToolTip>

bool CloseTopWindow() {
    QToolTip::hideText();
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        return true;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return false;
    // The program's windows end their modal display through their own close; a dialog
    // answered "cancel" leaves its caller's handler the way a visitor's Escape would.
    if (auto* form = qobject_cast<TForm*>(modal))
        form->Close();
    else if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
    return true;
}
