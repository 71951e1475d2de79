#include "core/commands/EditStepName.h"

namespace tombrel {

namespace {

struct KindTexts {
    const Message* one; // the text for exactly one entry, or the only text
    const Message* many;
};

KindTexts textsOf(StepKind kind) {
    switch (kind) {
    case StepKind::NewBank:
        return {&msg::StepNewBank, nullptr};
    case StepKind::NewEntry:
        return {&msg::StepNewEntry, nullptr};
    case StepKind::Delete:
        return {&msg::StepDeleteOne, &msg::StepDelete};
    case StepKind::Up:
        return {&msg::StepUp, nullptr};
    case StepKind::Down:
        return {&msg::StepDown, nullptr};
    case StepKind::EditEntry:
        return {&msg::StepEditEntry, nullptr};
    case StepKind::BankTitle:
        return {&msg::StepBankTitle, nullptr};
    case StepKind::MultiChange:
        return {&msg::StepMultiChangeOne, &msg::StepMultiChange};
    case StepKind::NewCategory:
        return {&msg::StepNewCategory, nullptr};
    case StepKind::EditCategory:
        return {&msg::StepEditCategory, nullptr};
    case StepKind::SortCategory:
        return {&msg::StepSortCategory, nullptr};
    case StepKind::CopyToArchive:
        return {&msg::StepCopyToArchiveOne, &msg::StepCopyToArchive};
    case StepKind::MoveToArchive:
        return {&msg::StepMoveToArchiveOne, &msg::StepMoveToArchive};
    case StepKind::CopyToRegistration:
        return {&msg::StepCopyToRegistrationOne, &msg::StepCopyToRegistration};
    case StepKind::MoveToRegistration:
        return {&msg::StepMoveToRegistrationOne, &msg::StepMoveToRegistration};
    case StepKind::UpdateStyles:
        return {&msg::StepUpdateStyles, nullptr};
    case StepKind::DragMove:
        return {&msg::StepDragMoveOne, &msg::StepDragMove};
    case StepKind::DragCopy:
        return {&msg::StepDragCopyOne, &msg::StepDragCopy};
    case StepKind::Paste:
        return {&msg::StepPasteOne, &msg::StepPaste};
    case StepKind::Cut:
        return {&msg::StepCutOne, &msg::StepCut};
    }
    return {&msg::StepEditEntry, nullptr};
}

std::string toolTip(const std::optional<StepName>& name, Language lang, const Message& pattern,
                    const Message& none) {
    if (!name)
        return std::string(none.text(lang));
    UserMessage text = userMessage(pattern);
    text.argument = stepText(*name, lang);
    return text.text(lang);
}

} // namespace

std::string stepText(StepName name, Language lang) {
    const KindTexts texts = textsOf(name.kind);
    if (!texts.many || name.count == 1)
        return std::string(texts.one->text(lang));
    return formatMessage(texts.many->text(lang), name.count);
}

std::string undoToolTip(const std::optional<StepName>& name, Language lang) {
    return toolTip(name, lang, msg::UndoToolTip, msg::NothingToUndo);
}

std::string redoToolTip(const std::optional<StepName>& name, Language lang) {
    return toolTip(name, lang, msg::RedoToolTip, msg::NothingToRedo);
}

} // namespace tombrel
