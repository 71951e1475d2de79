#include "core/text/Messages.h"

#include <cstdio>

namespace tombrel {

namespace {

// Replaces the placeholders "%d" (and "%ld") in order; "%%" stays a single percent sign.
std::string format(std::string_view pattern, const long long* values, int count) {
    std::string out;
    out.reserve(pattern.size() + 16);
    int next = 0;
    for (size_t i = 0; i < pattern.size(); ++i) {
        char c = pattern[i];
        if (c != '%' || i + 1 >= pattern.size()) {
            out += c;
            continue;
        }
        size_t j = i + 1;
        if (pattern[j] == '%') {
            out += '%';
            i = j;
            continue;
        }
        if (pattern[j] == 'l' && j + 1 < pattern.size())
            ++j;
        if (pattern[j] == 'd' && next < count) {
            out += std::to_string(values[next++]);
            i = j;
            continue;
        }
        out += c;
    }
    return out;
}

} // namespace

std::string UserMessage::text(Language lang) const {
    if (!message)
        return {};
    std::string out(message->text(lang));
    if (!numbers.empty())
        out = format(out, numbers.data(), static_cast<int>(numbers.size()));
    const size_t at = out.find("%1");
    if (at != std::string::npos)
        out.replace(at, 2, argument);
    // Looked for after the first argument, so that a "%2" typed inside it stays as written.
    const size_t at2 = out.find("%2", at == std::string::npos ? 0 : at + argument.size());
    if (at2 != std::string::npos && !argument2.empty())
        out.replace(at2, 2, argument2);
    return out;
}

std::string formatMessage(std::string_view pattern, long long value) {
    return format(pattern, &value, 1);
}

std::string formatMessage(std::string_view pattern, long long first, long long second) {
    const long long values[2] = {first, second};
    return format(pattern, values, 2);
}

} // namespace tombrel
