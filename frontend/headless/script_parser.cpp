#include "frontend/headless/script_parser.h"

#include <array>

#include "frontend/headless/argument_reader.h"

namespace {

struct VerbForm {
    const char* word;
    ScriptVerb verb;
    const char* usage;
};

constexpr std::array<VerbForm, 12> kForms = {{
    {"wait", ScriptVerb::Wait, "wait MS"},
    {"tab", ScriptVerb::Tab, "tab N"},
    {"click", ScriptVerb::Click, "click ID"},
    {"select", ScriptVerb::Select, "select ID INDEX"},
    {"type", ScriptVerb::Type, "type ID TEXT"},
    {"dblclick", ScriptVerb::DoubleClick, "dblclick ID ROW"},
    {"scroll", ScriptVerb::Scroll, "scroll ID LINE"},
    {"key", ScriptVerb::KeyEnter, "key enter|escape"},
    {"close", ScriptVerb::Close, "close"},
    {"file", ScriptVerb::File, "file PATH|-"},
    {"dump", ScriptVerb::Dump, "dump"},
    {"expect", ScriptVerb::Expect, "expect ID TEXT"},
}};

// Longest wait of one command (about 11 days), and the largest control id and index.
constexpr long long kMaxWaitMs = 999999999;
constexpr long long kMaxControlId = 65535;
constexpr long long kMaxIndex = 999999999;

bool ReadId(ArgumentReader& reader, ScriptCommand& command) {
    long long id = 0;
    if (!reader.Number(kMaxControlId, id)) return false;
    command.id = static_cast<int>(id);
    return true;
}

bool ReadIndex(ArgumentReader& reader, ScriptCommand& command) {
    long long index = 0;
    if (!reader.Number(kMaxIndex, index)) return false;
    command.index = static_cast<int>(index);
    return true;
}

bool ReadKey(ArgumentReader& reader, ScriptCommand& command, std::string& error) {
    std::string key;
    if (!reader.Word(key) || !reader.End()) return false;
    if (key == "enter") return true;
    if (key == "escape") {
        command.verb = ScriptVerb::KeyEscape;
        return true;
    }
    error = "unknown key '" + key + "' (key enter|escape)";
    return false;
}

bool ReadFile(ArgumentReader& reader, ScriptCommand& command) {
    std::string path;
    bool quoted = false;
    if (!reader.Text(path, quoted)) return false;
    if (quoted || path != "-") command.path = path;
    return true;
}

// Fills the command's arguments by its form; `error` is set for a bad line.
bool ReadArguments(ArgumentReader& reader, ScriptCommand& command, std::string& error) {
    long long number = 0;
    bool quoted = false;
    switch (command.verb) {
        case ScriptVerb::Wait:
            if (!reader.Number(kMaxWaitMs, number)) return false;
            command.ms = static_cast<DWORD>(number);
            return reader.End();
        case ScriptVerb::Tab:
        case ScriptVerb::Click:
            return ReadId(reader, command) && reader.End();
        case ScriptVerb::Select:
        case ScriptVerb::DoubleClick:
        case ScriptVerb::Scroll:
            return ReadId(reader, command) && ReadIndex(reader, command) && reader.End();
        case ScriptVerb::Type:
        case ScriptVerb::Expect:
            return ReadId(reader, command) && reader.Text(command.text, quoted);
        case ScriptVerb::KeyEnter:
            return ReadKey(reader, command, error);
        case ScriptVerb::File:
            return ReadFile(reader, command);
        default:
            return reader.End();
    }
}

std::vector<std::string> SplitWords(std::string_view rest) {
    std::vector<std::string> words;
    while (!rest.empty()) words.emplace_back(ArgumentReader::NextWord(rest));
    return words;
}

}  // namespace

void ScriptParser::AddExtensionWord(const std::string& word) { extensionWords_.insert(word); }

bool ScriptParser::IsExtensionWord(const std::string& word) const {
    return extensionWords_.count(word) != 0;
}

ParsedLine ScriptParser::Parse(std::string_view line, int lineNumber) const {
    // An editor may start the file with a UTF-8 byte-order mark.
    if (lineNumber == 1 && line.substr(0, 3) == "\xEF\xBB\xBF") line.remove_prefix(3);
    std::string_view rest = ArgumentReader::Trim(line);
    if (rest.empty() || rest.front() == '#') return {};
    ScriptCommand command;
    command.line = lineNumber;
    command.word = std::string(ArgumentReader::NextWord(rest));
    for (const VerbForm& form : kForms) {
        if (command.word != form.word) continue;
        command.verb = form.verb;
        ArgumentReader reader(rest, form.usage);
        std::string error;
        if (!ReadArguments(reader, command, error)) {
            return {std::nullopt, error.empty() ? reader.Error() : error};
        }
        return {command, ""};
    }
    if (!IsExtensionWord(command.word)) {
        return {std::nullopt, "unknown command '" + command.word + "'"};
    }
    command.verb = ScriptVerb::Extension;
    command.args = SplitWords(rest);
    return {command, ""};
}
