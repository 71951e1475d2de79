#include "ui/DialogButtons.h"

#include "ui/ControlIds.h"
#include "ui/UiText.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace tombrel {

QWidget* okCancelButtons(QDialog* dialog, Language lang, const Message& okText, bool withCancel) {
    auto* box = new QDialogButtonBox(dialog);
    QPushButton* ok = box->addButton(uiText(okText, lang), QDialogButtonBox::AcceptRole);
    setControlId(ok, ids::Ok);
    ok->setDefault(true);
    if (withCancel) {
        QPushButton* cancel =
            box->addButton(uiText(msg::Cancel, lang), QDialogButtonBox::RejectRole);
        setControlId(cancel, ids::Cancel);
    }
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

QPushButton* dialogButton(QDialog* dialog, int id) {
    return dialog->findChild<QPushButton*>(QString::number(id));
}

} // namespace tombrel
