#include "textform/JsonImportBuilder.h"

namespace tombrel::textform {

namespace {

const Message& syntaxMessage(JsonSyntaxProblem problem) {
    switch (problem) {
    case JsonSyntaxProblem::UnexpectedEnd:
        return msg::JsonUnexpectedEnd;
    case JsonSyntaxProblem::BadLiteral:
        return msg::JsonBadLiteral;
    case JsonSyntaxProblem::BadNumber:
        return msg::JsonBadNumber;
    case JsonSyntaxProblem::BadEscape:
        return msg::JsonBadEscape;
    case JsonSyntaxProblem::ControlInString:
        return msg::JsonControlInString;
    case JsonSyntaxProblem::BadUtf8:
        return msg::JsonBadUtf8;
    case JsonSyntaxProblem::TrailingText:
        return msg::JsonTrailingText;
    case JsonSyntaxProblem::TooDeep:
        return msg::JsonTooDeep;
    case JsonSyntaxProblem::None:
    case JsonSyntaxProblem::UnexpectedCharacter:
        break;
    }
    return msg::JsonUnexpectedCharacter;
}

} // namespace

JsonImportBuilder::JsonImportBuilder(const TextFormNames& names) : form_(names) {}

bool JsonImportBuilder::refuse(UserMessage message) {
    if (!result_.refusal)
        result_.refusal = std::move(message);
    return false;
}

void JsonImportBuilder::syntaxError(JsonSyntaxProblem problem, JsonPosition at) {
    UserMessage m = userMessage(syntaxMessage(problem));
    m.numbers = {at.line, at.column};
    refuse(std::move(m));
}

bool JsonImportBuilder::skipThenRefuse(Start start, UserMessage message) {
    if (start == Start::Scalar)
        return refuse(std::move(message));
    skipDepth_ = 1;
    afterSkip_ = std::move(message);
    return true;
}

FormValue* JsonImportBuilder::target(Start start, int line, bool& going) {
    going = true;
    if (frames_.empty()) {
        if (start == Start::Object && !documentSeen_) {
            documentSeen_ = true;
            frames_.push_back(Frame::Document);
        } else {
            going = refuse(userMessage(msg::JsonNotTombrel));
        }
        return nullptr;
    }
    switch (frames_.back()) {
    case Frame::Document:
        if (headerKey_ == "lines") {
            if (start != Start::Array) {
                UserMessage m = userMessage(msg::JsonDocumentBadValue);
                m.numbers = {headerKeyLine_};
                m.argument = headerKey_;
                m.argument2 = "[{\"bank\": \"Ballads\"}, ...]";
                going = refuse(std::move(m));
                return nullptr;
            }
            sawLines_ = true;
            listLine_ = 0;
            frames_.push_back(Frame::Lines);
            return nullptr;
        }
        valueFor_ = ValueFor::Header;
        return &headerValue_;
    case Frame::Lines:
        place_ = {++listLine_, line};
        if (start != Start::Object) {
            going = skipThenRefuse(start, textFormMessage(msg::JsonBadLine, place_, {}));
            return nullptr;
        }
        line_.reset();
        expanded_.reset();
        expandedLine_ = 0;
        seenLineKeys_.clear();
        frames_.push_back(Frame::Line);
        return nullptr;
    case Frame::Line:
        if (lineKey_ == "registration") {
            if (line_) {
                going = refuse(textFormMessage(msg::JsonBadLine, place_, {}));
            } else if (start != Start::Object) {
                going = skipThenRefuse(start, textFormMessage(msg::JsonWrongForm,
                                                              {listLine_, lineKeyLine_}, lineKey_,
                                                              "{\"Title\": ...}"));
            } else {
                form_.begin(place_);
                frames_.push_back(Frame::Registration);
            }
            return nullptr;
        }
        valueFor_ = ValueFor::LineKey;
        return &lineValue_;
    case Frame::Registration:
        valueFor_ = ValueFor::Field;
        return &fieldValue_;
    }
    return nullptr;
}

FormValue& JsonImportBuilder::slot() {
    Building& b = building_.back();
    FormValue& v = *b.value;
    if (v.type == FormValue::Type::Object)
        return v.members[b.count - 1].value; // the member its key has opened
    if (b.count == v.members.size())
        v.members.emplace_back();
    FormMember& m = v.members[b.count++];
    m.name.clear();
    return m.value;
}

template <typename Set> bool JsonImportBuilder::scalar(int line, Set&& set) {
    if (skipDepth_ > 0)
        return true;
    if (!building_.empty()) {
        set(slot());
        return true;
    }
    bool going = true;
    FormValue* value = target(Start::Scalar, line, going);
    if (!value)
        return going;
    set(*value);
    return valueDone();
}

bool JsonImportBuilder::null(int line) {
    return scalar(line, [](FormValue& v) { v.type = FormValue::Type::Null; });
}

bool JsonImportBuilder::boolean(bool on, int line) {
    return scalar(line, [on](FormValue& v) {
        v.type = FormValue::Type::Flag;
        v.flag = on;
    });
}

bool JsonImportBuilder::integer(int64_t value, int line) {
    return scalar(line, [value](FormValue& v) {
        v.type = FormValue::Type::Integer;
        v.integer = value;
    });
}

bool JsonImportBuilder::number(std::string_view asWritten, int line) {
    return scalar(line, [asWritten](FormValue& v) {
        v.type = FormValue::Type::Number;
        v.text.assign(asWritten);
    });
}

bool JsonImportBuilder::string(std::string_view text, int line) {
    return scalar(line, [text](FormValue& v) {
        v.type = FormValue::Type::Text;
        v.text.assign(text);
    });
}

bool JsonImportBuilder::beginContainer(bool object, int line) {
    if (skipDepth_ > 0) {
        ++skipDepth_;
        return true;
    }
    FormValue* value = nullptr;
    if (!building_.empty()) {
        value = &slot();
    } else {
        bool going = true;
        value = target(object ? Start::Object : Start::Array, line, going);
        if (!value)
            return going;
    }
    value->type = object ? FormValue::Type::Object : FormValue::Type::Array;
    building_.push_back({value, 0});
    return true;
}

bool JsonImportBuilder::beginObject(int line) {
    return beginContainer(true, line);
}

bool JsonImportBuilder::beginArray(int line) {
    return beginContainer(false, line);
}

bool JsonImportBuilder::endContainer() {
    if (skipDepth_ > 0) {
        if (--skipDepth_ == 0)
            return refuse(std::move(*afterSkip_));
        return true;
    }
    if (!building_.empty()) {
        const Building b = building_.back();
        b.value->members.resize(b.count);
        building_.pop_back();
        return building_.empty() ? valueDone() : true;
    }
    const Frame frame = frames_.back();
    frames_.pop_back();
    switch (frame) {
    case Frame::Document:
    case Frame::Lines:
        return true;
    case Frame::Line:
        return lineDone();
    case Frame::Registration:
        line_.emplace();
        line_->type = TextFormLine::Type::Registration;
        line_->record = form_.finish(result_.warnings);
        return true;
    }
    return true;
}

bool JsonImportBuilder::endObject() {
    return endContainer();
}

bool JsonImportBuilder::endArray() {
    return endContainer();
}

bool JsonImportBuilder::key(std::string_view name, int line) {
    if (skipDepth_ > 0)
        return true;
    if (!building_.empty()) {
        Building& b = building_.back();
        FormValue& v = *b.value;
        if (b.count == v.members.size())
            v.members.emplace_back();
        v.members[b.count++].name.assign(name);
        return true;
    }
    switch (frames_.back()) {
    case Frame::Document:
        headerKey_.assign(name);
        headerKeyLine_ = line;
        return true;
    case Frame::Line:
        for (const auto& seen : seenLineKeys_) {
            if (seen.first == name)
                return refuse(textFormMessage(msg::JsonDuplicateKey, {listLine_, line}, name));
        }
        seenLineKeys_.emplace_back(std::string(name), line);
        lineKey_.assign(name);
        lineKeyLine_ = line;
        return true;
    case Frame::Registration:
        fieldKey_.assign(name);
        fieldKeyLine_ = line;
        return true;
    case Frame::Lines:
        break;
    }
    return true;
}

bool JsonImportBuilder::valueDone() {
    switch (valueFor_) {
    case ValueFor::Header:
        return headerValue();
    case ValueFor::LineKey:
        return lineValue();
    case ValueFor::Field:
        if (std::optional<UserMessage> refusal = form_.set(fieldKey_, fieldValue_, fieldKeyLine_))
            return refuse(std::move(*refusal));
        return true;
    }
    return true;
}

bool JsonImportBuilder::headerValue() {
    const std::string_view key = headerKey_;
    const FormValue& value = headerValue_;
    auto badValue = [&](std::string_view example) {
        UserMessage m = userMessage(msg::JsonDocumentBadValue);
        m.numbers = {headerKeyLine_};
        m.argument = std::string(key);
        m.argument2 = std::string(example);
        return refuse(std::move(m));
    };
    if (key == "format") {
        if (value.type != FormValue::Type::Text || value.text != kTextFormFormat)
            return refuse(userMessage(msg::JsonNotTombrel));
        format_ = value.text;
    } else if (key == "version") {
        if (value.type != FormValue::Type::Integer)
            return badValue("1");
        if (value.integer != kTextFormVersion) {
            UserMessage m = userMessage(msg::JsonUnsupportedVersion);
            m.numbers = {static_cast<long long>(value.integer)};
            return refuse(std::move(m));
        }
        version_ = value.integer;
    } else if (key == "kind") {
        kind_ =
            value.type == FormValue::Type::Text ? textFormKindFromName(value.text) : std::nullopt;
        if (!kind_)
            return badValue("\"registration-backup\" or \"archive\"");
    } else if (key == "model") {
        model_ =
            value.type == FormValue::Type::Text ? textFormModelFromName(value.text) : std::nullopt;
        if (!model_)
            return badValue("\"PSR-9000\" or \"PSR-9000pro\"");
        modelLine_ = headerKeyLine_;
    } else {
        UserMessage m = userMessage(msg::JsonDocumentUnknownKey);
        m.numbers = {headerKeyLine_};
        m.argument = std::string(key);
        return refuse(std::move(m));
    }
    return true;
}

bool JsonImportBuilder::lineValue() {
    const std::string_view key = lineKey_;
    const FormValue& value = lineValue_;
    const TextFormPlace keyPlace{listLine_, lineKeyLine_};
    if (key == "bank" || key == "category") {
        if (line_)
            return refuse(textFormMessage(msg::JsonBadLine, place_, {}));
        if (value.type != FormValue::Type::Text)
            return refuse(textFormMessage(msg::JsonWrongForm, keyPlace, key,
                                          key == "bank" ? "\"Ballads\"" : "\"Jazz\""));
        TextFormText text = textFormText(value.text, 0, keyPlace, key);
        if (text.refusal)
            return refuse(std::move(*text.refusal));
        if (key == "bank") {
            if (text.text.size() > RegRecord::TitleSize && !longBankTitle_)
                longBankTitle_ = std::make_pair(keyPlace, text.text.size());
            line_ = TextFormLine::bank(std::move(text.text));
        } else {
            if (!firstCategory_)
                firstCategory_ = place_;
            line_ = TextFormLine::category(std::move(text.text), false);
        }
    } else if (key == "expanded") {
        if (value.type != FormValue::Type::Flag)
            return refuse(textFormMessage(msg::JsonWrongForm, keyPlace, key, "false"));
        expanded_ = value.flag;
        expandedLine_ = lineKeyLine_;
    } else {
        return refuse(textFormMessage(msg::JsonUnknownKey, keyPlace, key));
    }
    return true;
}

bool JsonImportBuilder::lineDone() {
    if (!line_)
        return refuse(textFormMessage(msg::JsonBadLine, place_, {}));
    if (expanded_) {
        if (line_->type != TextFormLine::Type::Category)
            return refuse(
                textFormMessage(msg::JsonUnknownKey, {listLine_, expandedLine_}, "expanded"));
        line_->expanded = *expanded_;
    }
    if (line_->type == TextFormLine::Type::Bank)
        bankSeen_ = true;
    else if (line_->type == TextFormLine::Type::Registration && !bankSeen_ &&
             !firstRegistrationBeforeBank_)
        firstRegistrationBeforeBank_ = place_;
    document_.lines.push_back(std::move(*line_));
    line_.reset();
    return true;
}

bool JsonImportBuilder::finishDocument() {
    if (!format_)
        return refuse(userMessage(msg::JsonNotTombrel));
    auto missing = [&](std::string_view key) {
        UserMessage m = userMessage(msg::JsonDocumentMissingKey);
        m.argument = std::string(key);
        return refuse(std::move(m));
    };
    if (!version_)
        return missing("version");
    if (!kind_)
        return missing("kind");
    if (!sawLines_)
        return missing("lines");
    document_.kind = *kind_;
    if (*kind_ == TextFormKind::RegistrationBackup) {
        if (!model_)
            return missing("model");
        document_.model = *model_;
        if (firstCategory_)
            return refuse(textFormMessage(msg::JsonCategoryInBackup, *firstCategory_, {}));
        if (firstRegistrationBeforeBank_)
            return refuse(textFormMessage(msg::JsonRegistrationBeforeBank,
                                          *firstRegistrationBeforeBank_, {}));
        if (longBankTitle_)
            return refuse(textFormMessage(msg::JsonTextTooLong, longBankTitle_->first, "bank", {},
                                          {static_cast<long long>(longBankTitle_->second),
                                           static_cast<long long>(RegRecord::TitleSize)}));
        if (std::optional<UserMessage> refusal = textFormSaveRefusal(document_))
            return refuse(std::move(*refusal));
    } else if (model_) {
        UserMessage m = userMessage(msg::JsonDocumentUnknownKey);
        m.numbers = {modelLine_};
        m.argument = "model";
        return refuse(std::move(m));
    }
    return true;
}

JsonImport JsonImportBuilder::finish() {
    if (!result_.refusal && finishDocument())
        result_.document = std::move(document_);
    if (result_.refusal) {
        result_.document.reset();
        result_.warnings.clear();
    }
    return std::move(result_);
}

} // namespace tombrel::textform
