#include "host/scripting/script_parser.h"

#include <cmath>
#include <map>
#include <sstream>
#include <string_view>

#include "host/core/registrations.h"
#include "host/document/document.h"
#include "host/scripting/script_words.h"
#include "host/text/windows1252.h"

namespace host {

namespace {

using Words = std::vector<ScriptWord>;

// The tools a script names, with the titles the plug-in (the host, for `select`) gives them.
const std::pair<const char*, const char*> kToolNames[] = {
    {"select", kHostSelectToolTitle},  {"segment", "Outil Segment"},
    {"angle", "Outil Angle"},          {"circle", "Outil Cercle"},
    {"bezier", "Outil Bézier"},        {"lengths", "Outil Longueur & Aires"},
    {"parameters", "Outil Paramètres"}};

// The keys a script holds during an event.
const std::map<std::string, std::int32_t> kModifierKeys = {
    {"shift", kVirtualKeyShift},      {"alt", kVirtualKeyAlt},     {"ctrl", kVirtualKeyControl},
    {"esc", kVirtualKeyEscape},       {"space", kVirtualKeySpace}, {"lshift", kVirtualKeyLeftShift},
    {"rshift", kVirtualKeyRightShift}};

/// Parsing of one verb: the words after the verb, into the command.
using VerbParser = bool (*)(const Words& args, ScriptCommand* c, std::string* error);

bool Fail(std::string* error, const std::string& what) {
    *error = what;
    return false;
}

const std::string kTooManyAnchors =
    "a path holds at most " + std::to_string(kMostPathAnchors) + " anchors";

bool Numbers(const Words& args, std::size_t first, std::size_t count, ScriptCommand* c,
             std::string* error) {
    if (args.size() < first + count)
        return Fail(error, "expects " + std::to_string(count) + " numbers");
    for (std::size_t i = first; i < first + count; ++i) {
        if (!ParseNumber(args[i].text))
            return Fail(error, "\"" + args[i].text + "\" is not a number");
        auto n = ParseCoordinate(args[i].text);
        if (!n) return Fail(error, "\"" + args[i].text + "\" is beyond 1e15");
        c->numbers.push_back(*n);
    }
    return true;
}

bool ExactArgs(const Words& args, std::size_t n, std::string* error) {
    if (args.size() == n) return true;
    return Fail(error, "expects " + std::to_string(n) + " argument" + (n == 1 ? "" : "s"));
}

/// Shape options from `first` up to `last` (exclusive).
bool Options(const Words& args, std::size_t first, std::size_t last, ScriptCommand* c,
             std::string* error) {
    for (std::size_t i = first; i < last; ++i) {
        const std::string& w = args[i].text;
        if (w == "closed")
            c->shape.closed = true;
        else if (w == "locked")
            c->shape.locked = true;
        else if (w == "hidden")
            c->shape.hidden = true;
        else if (w == "name" && i + 1 < last)
            c->shape.name = args[++i].text;
        else
            return Fail(error, "unknown option \"" + w + "\" (closed, locked, hidden, name NAME)");
    }
    return true;
}

std::size_t ColonAt(const Words& args) {
    for (std::size_t i = 0; i < args.size(); ++i)
        if (!args[i].quoted && args[i].text == ":") return i;
    return args.size();
}

bool ParsePath(const Words& args, ScriptCommand* c, std::string* error) {
    std::size_t colon = ColonAt(args);
    if (colon == args.size()) return Fail(error, "expects ': X,Y X,Y …'");
    if (!Options(args, 0, colon, c, error)) return false;
    std::string coordinates;
    for (std::size_t i = colon + 1; i < args.size(); ++i) coordinates += args[i].text + " ";
    for (char& ch : coordinates)
        if (ch == ',') ch = ' ';
    std::istringstream in(coordinates);
    std::vector<double> v;
    for (std::string word; in >> word;) {
        if (!ParseNumber(word)) return Fail(error, "\"" + word + "\" is not a number");
        auto n = ParseCoordinate(word);
        if (!n) return Fail(error, "\"" + word + "\" is beyond 1e15");
        v.push_back(*n);
    }
    if (v.empty() || v.size() % 2 != 0) return Fail(error, "expects points X,Y after ':'");
    if (v.size() / 2 > kMostPathAnchors) return Fail(error, kTooManyAnchors);
    for (std::size_t i = 0; i < v.size(); i += 2) {
        AIRealPoint p{static_cast<float>(v[i]), static_cast<float>(v[i + 1])};
        c->segments.push_back({p, p, p, 1});
    }
    return true;
}

bool ParseBezier(const Words& args, ScriptCommand* c, std::string* error) {
    std::size_t colon = ColonAt(args);
    if (colon == args.size()) return Fail(error, "expects ': PATH-DATA'");
    if (!Options(args, 0, colon, c, error)) return false;
    std::string data;
    for (std::size_t i = colon + 1; i < args.size(); ++i) data += args[i].text + " ";
    bool closed = false;
    if (!ParsePathData(data, &c->segments, &closed, error)) return false;
    if (c->segments.size() > kMostPathAnchors) return Fail(error, kTooManyAnchors);
    c->shape.closed = c->shape.closed || closed;
    return true;
}

bool ParseCircle(const Words& args, ScriptCommand* c, std::string* error) {
    if (!Numbers(args, 0, 3, c, error) || !Options(args, 3, args.size(), c, error)) return false;
    if (!(c->numbers[2] > 0)) return Fail(error, "the radius must be greater than 0");
    c->segments = CircleSegments(c->numbers[0], c->numbers[1], c->numbers[2]);
    c->shape.closed = true;
    return true;
}

bool ParseRect(const Words& args, ScriptCommand* c, std::string* error) {
    if (!Numbers(args, 0, 4, c, error) || !Options(args, 4, args.size(), c, error)) return false;
    auto f = [](double v) { return static_cast<float>(v); };
    double x = c->numbers[0], y = c->numbers[1], w = c->numbers[2], h = c->numbers[3];
    for (auto [px, py] : {std::pair{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}}) {
        AIRealPoint p{f(px), f(py)};
        c->segments.push_back({p, p, p, 1});
    }
    c->shape.closed = true;
    return true;
}

bool ParseNameAndFlags(const Words& args, ScriptCommand* c, std::string* error) {
    if (args.empty()) return Fail(error, "expects a name");
    c->texts.push_back(args[0].text);
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i].text == "locked")
            c->shape.locked = true;
        else if (args[i].text == "hidden")
            c->shape.hidden = true;
        else
            return Fail(error, "unknown option \"" + args[i].text + "\" (locked, hidden)");
    }
    return true;
}

bool ParsePreferenceValue(const ScriptWord& word, PreferenceValue* value, std::string* error) {
    if (word.quoted)
        *value = PreferenceValue::Text(Utf8ToWindows1252(word.text));
    else if (word.text == "true" || word.text == "false")
        *value = PreferenceValue::Flag(word.text == "true");
    else if (auto i = ParseInteger(word.text)) {
        if (*i < INT32_MIN || *i > INT32_MAX) return Fail(error, "the integer is out of range");
        *value = PreferenceValue::Integer(static_cast<std::int32_t>(*i));
    } else if (auto r = ParseNumber(word.text)) {
        *value = PreferenceValue::Real(*r);
    } else {
        return Fail(error,
                    "\"" + word.text + "\" is neither true/false, a number nor a quoted text");
    }
    return true;
}

bool ParsePref(const Words& args, ScriptCommand* c, std::string* error) {
    if (!ExactArgs(args, 2, error)) return false;
    c->texts.push_back(args[0].text);
    return ParsePreferenceValue(args[1], &c->value, error);
}

bool ParseFail(const Words& args, ScriptCommand* c, std::string* error) {
    if (args.size() != 2 && args.size() != 3 && args.size() != 5)
        return Fail(error, "expects SUITE.FUNCTION CODE [COUNT [after CALLS]]");
    if (args[0].text.find('.') == std::string::npos) return Fail(error, "expects SUITE.FUNCTION");
    c->texts.push_back(args[0].text);
    const ScriptWord& code = args[1];
    std::string chars = code.text;
    if (!code.quoted && chars.size() == 6 && chars.front() == '\'' && chars.back() == '\'')
        chars = chars.substr(1, 4);
    else if (!code.quoted)
        chars.clear();
    if (!chars.empty() || code.quoted) {
        if (chars.size() != 4) return Fail(error, "a quoted code has four characters");
        c->code = AI_FOURCC(chars[0], chars[1], chars[2], chars[3]);
    } else {
        auto n = ParseInteger(code.text);
        if (!n || *n < INT32_MIN || *n > INT32_MAX) return Fail(error, "the code is not a number");
        c->code = static_cast<AIErr>(*n);
    }
    if (args.size() >= 3) {
        auto n = ParseInteger(args[2].text);
        if (!n || *n < 0 || *n > INT32_MAX) return Fail(error, "the count is not a count");
        c->count = static_cast<int>(*n);
    }
    if (args.size() == 5) {
        if (args[3].text != "after") return Fail(error, "expects \"after CALLS\" after the count");
        auto n = ParseInteger(args[4].text);
        if (!n || *n < 0 || *n > INT32_MAX) return Fail(error, "the calls after are not a count");
        c->after = static_cast<int>(*n);
    }
    return true;
}

bool ParseMouse(const Words& args, ScriptCommand* c, std::string* error) {
    if (!Numbers(args, 0, 2, c, error)) return false;
    for (std::size_t i = 2; i < args.size(); ++i) {
        auto key = kModifierKeys.find(args[i].text);
        if (key == kModifierKeys.end())
            return Fail(error, "unknown key \"" + args[i].text +
                                   "\" (shift alt ctrl esc space lshift rshift)");
        c->keys.insert(key->second);
    }
    return true;
}

// `key NAME [shift]`: an arrow nudges the selection, delete removes it.
bool ParseKey(const Words& args, ScriptCommand* c, std::string* error) {
    const bool shift = args.size() == 2 && args[1].text == "shift";
    if (args.empty() || args.size() > 2 || (args.size() == 2 && !shift) ||
        !IsEditKeyName(args[0].text))
        return Fail(error, "expects: key left|right|up|down|delete [shift]");
    c->texts.push_back(args[0].text);
    if (shift) c->keys.insert(kVirtualKeyShift);
    return true;
}

bool ParseOneText(const Words& args, ScriptCommand* c, std::string* error) {
    if (!ExactArgs(args, 1, error)) return false;
    c->texts.push_back(args[0].text);
    return true;
}

bool ParseNothing(const Words& args, ScriptCommand*, std::string* error) {
    return ExactArgs(args, 0, error);
}

bool ParseTexts(const Words& args, ScriptCommand* c, std::string* error) {
    if (args.empty()) return Fail(error, "expects at least one name");
    for (const auto& w : args) c->texts.push_back(w.text);
    return true;
}

// picker gray G | rgb R G B | cmyk C M Y K | cancel: the next answer of the colour picker,
// components from 0 to 1.
bool ParsePicker(const Words& args, ScriptCommand* c, std::string* error) {
    const std::map<std::string, std::size_t> components = {
        {"gray", 1}, {"rgb", 3}, {"cmyk", 4}, {"cancel", 0}};
    if (args.empty() || !components.count(args[0].text))
        return Fail(error, "expects gray, rgb, cmyk or cancel");
    const std::size_t count = components.at(args[0].text);
    if (!ExactArgs(args, count + 1, error) || !Numbers(args, 1, count, c, error)) return false;
    for (double n : c->numbers)
        if (!(n >= 0 && n <= 1)) return Fail(error, "a component runs from 0 to 1");
    c->texts.push_back(args[0].text);
    return true;
}

bool ParseTool(const Words& args, ScriptCommand* c, std::string* error) {
    if (!ParseOneText(args, c, error)) return false;
    if (ToolTitleOfScriptName(args[0].text).empty())
        return Fail(error, "unknown tool \"" + args[0].text +
                               "\" (select, segment, angle, circle, bezier, lengths, parameters)");
    return true;
}

bool ParseCoords(const Words& args, ScriptCommand* c, std::string* error) {
    if (!ParseOneText(args, c, error)) return false;
    if (args[0].text != "file" && args[0].text != "points")
        return Fail(error, "expects \"file\" or \"points\"");
    return true;
}

bool ParseZoom(const Words& args, ScriptCommand* c, std::string* error) {
    if (!ExactArgs(args, 1, error) || !Numbers(args, 0, 1, c, error)) return false;
    // The view keeps its zoom as a float: one too small to be a normal float is no zoom.
    if (!(c->numbers[0] > 0) || !std::isnormal(static_cast<float>(c->numbers[0])))
        return Fail(error, "the zoom must be greater than 0");
    return true;
}

bool ParseSuiteOff(const Words& args, ScriptCommand* c, std::string* error) {
    if (args.size() != 2 || args[0].text != "off")
        return Fail(error, "expects: suite off \"NAME\"");
    c->texts.push_back(args[1].text);
    return true;
}

bool ParseDoc(const Words& args, ScriptCommand* c, std::string* error) {
    if (args.empty()) return Fail(error, "expects new, open or save");
    Words rest(args.begin() + 1, args.end());
    c->verb = "doc " + args[0].text;
    if (args[0].text == "new") {
        if (rest.empty()) return true;
        if (!ExactArgs(rest, 2, error) || !Numbers(rest, 0, 2, c, error)) return false;
        if (!(c->numbers[0] > 0 && c->numbers[1] > 0))
            return Fail(error, "the size must be positive");
        return true;
    }
    if (args[0].text == "open" || args[0].text == "save") return ParseOneText(rest, c, error);
    return Fail(error, "expects new, open or save");
}

const std::map<std::string, VerbParser>& Verbs() {
    static const std::map<std::string, VerbParser> verbs = {{"doc", ParseDoc},
                                                            {"layer", ParseNameAndFlags},
                                                            {"path", ParsePath},
                                                            {"bezier", ParseBezier},
                                                            {"circle", ParseCircle},
                                                            {"rect", ParseRect},
                                                            {"group", ParseNameAndFlags},
                                                            {"end", ParseNothing},
                                                            {"pref", ParsePref},
                                                            {"hostpref", ParsePref},
                                                            {"prefs", ParseOneText},
                                                            {"fail", ParseFail},
                                                            {"suite", ParseSuiteOff},
                                                            {"menu-group", ParseOneText},
                                                            {"font", ParseTexts},
                                                            {"picker", ParsePicker},
                                                            {"startup", ParseNothing},
                                                            {"shutdown", ParseNothing},
                                                            {"restart", ParseNothing},
                                                            {"unload", ParseNothing},
                                                            {"reload", ParseNothing},
                                                            {"tool", ParseTool},
                                                            {"undo", ParseNothing},
                                                            {"redo", ParseNothing},
                                                            {"zoom", ParseZoom},
                                                            {"coords", ParseCoords},
                                                            {"move", ParseMouse},
                                                            {"down", ParseMouse},
                                                            {"drag", ParseMouse},
                                                            {"up", ParseMouse},
                                                            {"click", ParseMouse},
                                                            {"key", ParseKey},
                                                            {"dump", ParseOneText}};
    return verbs;
}

}  // namespace

std::int32_t VirtualKeyOfScriptName(const std::string& name) {
    const auto key = kModifierKeys.find(name);
    return key == kModifierKeys.end() ? 0 : key->second;
}

bool IsEditKeyName(const std::string& name) {
    return name == "left" || name == "right" || name == "up" || name == "down" || name == "delete";
}

std::string ToolTitleOfScriptName(const std::string& name) {
    for (const auto& [script, title] : kToolNames)
        if (name == script) return title;
    return {};
}

std::string ScriptNameOfToolTitle(const std::string& title) {
    for (const auto& [script, toolTitle] : kToolNames)
        if (title == toolTitle) return script;
    return {};
}

bool ParseScript(const std::string& text, std::vector<ScriptCommand>* commands,
                 std::string* error) {
    commands->clear();
    std::vector<int> openGroups;  // lines of groups not yet ended
    // A byte-order mark that an editor put before the first line is no part of it.
    const std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    std::istringstream in(text.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0
                              ? text.substr(kByteOrderMark.size())
                              : text);
    std::string line;
    int number = 0;
    auto failAt = [&](int at, const std::string& what) {
        *error = "line " + std::to_string(at) + ": " + what;
        commands->clear();
        return false;
    };
    while (std::getline(in, line)) {
        ++number;
        Words words;
        std::string why;
        if (!SplitScriptLine(line, &words, &why)) return failAt(number, why);
        if (words.empty()) continue;
        auto verb = Verbs().find(words[0].quoted ? "" : words[0].text);
        if (verb == Verbs().end())
            return failAt(number, "unknown command \"" + words[0].text + "\"");
        ScriptCommand command;
        command.line = number;
        command.verb = words[0].text;
        if (!verb->second(Words(words.begin() + 1, words.end()), &command, &why))
            return failAt(number, command.verb + ": " + why);
        if (command.verb == "group") openGroups.push_back(number);
        if (command.verb == "end") {
            if (openGroups.empty()) return failAt(number, "end: no group is open");
            openGroups.pop_back();
        }
        bool inGroup = !openGroups.empty() && command.verb != "group";
        if (inGroup && (command.verb == "layer" || command.verb.rfind("doc ", 0) == 0))
            return failAt(number, command.verb + ": not inside a group");
        commands->push_back(std::move(command));
    }
    if (!openGroups.empty()) return failAt(openGroups.back(), "group: no end");
    return true;
}

}  // namespace host
