#include "orvane/base/settings_text.h"

#include "orvane/base/char_class.h"

namespace orvane::settings {
namespace {

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && orvane::chars::isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && orvane::chars::isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Sets the kind, and the section or name and value, of a line whose content is `content`.
void classify(std::string_view content, Line& line) {
    const std::string_view text = trimBlanks(content);
    if (text.empty()) {
        line.kind = LineKind::Blank;
    } else if (text.front() == ';' || text.front() == '#') {
        line.kind = LineKind::Comment;
    } else if (text.front() == '[') {
        if (text.size() >= 2 && text.back() == ']') {
            line.kind = LineKind::Section;
            line.section = text.substr(1, text.size() - 2);
        } else {
            line.kind = LineKind::Unparsable;
        }
    } else {
        const std::size_t equals = text.find('=');
        const std::string_view name = equals == std::string_view::npos
                                          ? std::string_view()
                                          : trimBlanks(text.substr(0, equals));
        if (name.empty()) {
            line.kind = LineKind::Unparsable;
        } else {
            line.kind = LineKind::Entry;
            line.name = name;
            line.value = trimBlanks(text.substr(equals + 1));
        }
    }
}

}  // namespace

Lookup lookUp(std::string_view text, std::string_view section, std::string_view name,
              std::vector<UnparsedLine>* unparsed) {
    Lookup found;
    bool lineEndingKnown = false;
    enum class Occurrence { Before, Inside, After } firstOccurrence = Occurrence::Before;
    std::string_view current;  // the section the lines being read stand in

    unsigned long number = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        Line line;
        ++number;
        line.begin = pos;
        const std::size_t newline = text.find('\n', pos);
        line.hasNewline = newline != std::string_view::npos;
        line.contentEnd = line.hasNewline ? newline : text.size();
        line.next = line.hasNewline ? newline + 1 : text.size();
        if (line.contentEnd > line.begin && text[line.contentEnd - 1] == '\r') {
            --line.contentEnd;
            line.hasCarriageReturn = line.hasNewline;
        }
        pos = line.next;
        const std::string_view content = text.substr(line.begin, line.contentEnd - line.begin);
        classify(content, line);

        if (!lineEndingKnown && line.hasNewline) {
            found.lineEnding = line.hasCarriageReturn ? "\r\n" : "\n";
            lineEndingKnown = true;
        }
        switch (line.kind) {
            case LineKind::Section:
                current = line.section;
                if (firstOccurrence == Occurrence::Inside) firstOccurrence = Occurrence::After;
                if (current == section && firstOccurrence == Occurrence::Before) {
                    firstOccurrence = Occurrence::Inside;
                }
                break;
            case LineKind::Entry:
                line.section = current;
                if (!found.entry && current == section && line.name == name) found.entry = line;
                break;
            case LineKind::Unparsable:
                if (unparsed != nullptr) unparsed->push_back({number, content});
                break;
            case LineKind::Blank:
            case LineKind::Comment:
                break;
        }
        if (firstOccurrence == Occurrence::Inside && line.kind != LineKind::Blank) {
            found.sectionEnd = line;
        }
    }
    return found;
}

std::string withEntry(std::string_view text, const Lookup& at, std::string_view section,
                      std::string_view entryLine) {
    std::string out;
    out.reserve(text.size() + section.size() + entryLine.size() + 8);
    if (at.entry) {
        out.append(text.substr(0, at.entry->begin));
        out.append(entryLine);
        out.append(text.substr(at.entry->contentEnd));
    } else if (at.sectionEnd) {
        const Line& last = *at.sectionEnd;
        out.append(text.substr(0, last.next));
        if (!last.hasNewline) out += '\n';
        out.append(entryLine);
        out.append(at.lineEnding);
        out.append(text.substr(last.next));
    } else {
        out.append(text);
        if (!text.empty() && text.back() != '\n') out += '\n';
        out += '[';
        out.append(section);
        out += ']';
        out.append(at.lineEnding);
        out.append(entryLine);
        out.append(at.lineEnding);
    }
    return out;
}

}  // namespace orvane::settings
