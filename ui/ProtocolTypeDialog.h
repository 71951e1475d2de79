#pragma once

// The Protocol button's first question: which kind of listing to write. OK stays disabled until
// one of the two kinds is chosen. Then the file is asked for through the Interaction.

#include "core/sides/Interaction.h"
#include "core/text/Messages.h"
#include "export/Protocol.h"

#include <QDialog>

#include <optional>
#include <string>

class QButtonGroup;
class QPushButton;

namespace tombrel {

class ProtocolTypeDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProtocolTypeDialog(Language lang, QWidget* parent = nullptr);

    // Nothing until a kind is chosen.
    std::optional<ProtocolType> chosenType() const;

    void accept() override;

private:
    QButtonGroup* types_;
    QPushButton* ok_;
};

// Runs the dialog; nothing when cancelled.
std::optional<ProtocolType> chooseProtocolType(QWidget* parent, Language lang);

// The save dialog for a protocol of that kind: its title, "Protocol file (*.txt)", ".txt" added
// to a name without one, and a question before an existing file is replaced.
FileDialogRequest protocolFileRequest(ProtocolType type, Language lang);
// Asks for the file; nothing when the user cancels or gives no name.
std::optional<std::string> chooseProtocolFile(Interaction& interaction, ProtocolType type,
                                              Language lang);

} // namespace tombrel
