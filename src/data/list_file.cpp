#include "data/list_file.h"

#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <utility>

#include "data/utf8_text.h"
#include "document/function_list.h"
#include "expression/evaluator.h"
#include "expression/number_text.h"
#include "expression/user_text.h"
#include "platform/safe_write.h"

namespace qv {

namespace {

// The files the dialogs list: the description in the user's language, the pattern as it is.
std::string listFilter() { return userText("qv::Texts", "Text Files (*.txt)") + "|*.TXT"; }
constexpr const char* kDataErrorCapitalTitle = QV_TR("qv::Texts", "Quorvanta  -  Data Error!");

ExportPlan refusedExport(std::string title, std::string text) {
    ExportPlan plan;
    plan.message = DataMessage{std::move(title), std::move(text)};
    return plan;
}

ExportPlan notANumber(std::size_t index) {
    return refusedExport(
        userText("qv::Texts", kDataErrorTitle),
        fillIn(userText("qv::Texts", "Item %1 of the list is not a number, so the list cannot be exported."),
               {std::to_string(index + 1)}));
}

ExportPlan tooLarge(std::size_t index) {
    return refusedExport(
        userText("qv::Texts", kDataErrorTitle),
        fillIn(userText("qv::Texts", "The value for item %1 of the list is too large, so the list cannot be exported."),
               {std::to_string(index + 1)}));
}

// Each item as a Double, in list order, or the message for the first item
// that is not a number.
std::optional<std::vector<double>> itemValues(const std::vector<std::string>& items, ExportPlan& refusal) {
    std::vector<double> values;
    values.reserve(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::optional<double> v = toNumber(items[i]);
        if (!v) {
            refusal = notANumber(i);
            return std::nullopt;
        }
        values.push_back(*v);
    }
    return values;
}

// Every check passes before the first line is written, so a refused export
// never leaves half a file.
ExportPlan valueLines(ExportMode mode, const std::vector<std::string>& items) {
    ExportPlan plan;
    const std::optional<std::vector<double>> values = itemValues(items, plan);
    if (!values) return plan;
    for (const double v : *values) {
        if (mode == ExportMode::Log && v <= 0) {
            return refusedExport(userText("qv::Texts", kDataErrorCapitalTitle),
                                 userText("qv::Texts",
                                          "One or more of your data items is less than or equal to zero, so a "
                                          "logarithm cannot be performed on your list."));
        }
        if (mode == ExportMode::Inverse && v == 0) {
            return refusedExport(
                userText("qv::Texts", kDataErrorCapitalTitle),
                userText("qv::Texts", "One or more of your data items is equal to zero, so it cannot be inverted."));
        }
    }
    for (std::size_t i = 0; i < values->size(); ++i) {
        const double v = (*values)[i];
        const double line = mode == ExportMode::Log ? std::log(v) / std::log(10.0) : 1 / v;
        if (!std::isfinite(line)) return tooLarge(i);
        plan.lines.push_back(plainText(line));
    }
    return plan;
}

// f at an x item: bound evaluation for a number (the value its number text
// reads back as), the substituted text for anything else.
EvalResult functionAt(const BoundForm& bound, const std::string& form, const std::string& x, Evaluator& evaluator) {
    const std::optional<double> value = toNumber(x);
    return value ? bound.eval(*value) : evaluator.eval(replaceAll(form, "z", "(" + x + ")"));
}

ExportPlan differenceLines(const DataColumns& columns, std::string_view functionEntry, RewriteContext& ctx,
                           Evaluator& evaluator) {
    const std::vector<std::string>& xs = columns.column(kXData);
    const std::vector<std::string>& ys = columns.selectedColumn();
    if (xs.size() != ys.size() || ys.empty()) {
        return refusedExport(userText("qv::Texts", kDataErrorTitle),
                             userText("qv::Texts",
                                      "There is either no data in your current list or the number of data points in "
                                      "your x list does not match the number of data points in your y list."));
    }
    if (removeBlanks(functionEntry).empty()) {
        return refusedExport(userText("qv::Texts", "Quorvanta  -  Blank field!"),
                             userText("qv::Texts", "There is no function for which to compare the data."));
    }
    const std::string form = heal_2(heal(functionEntry, ctx));
    const BoundForm bound = evaluator.bind(form);
    ExportPlan plan;
    for (std::size_t i = 0; i < ys.size(); ++i) {
        const std::optional<double> y = toNumber(ys[i]);
        if (!y) return notANumber(i);
        // y - f(x) as the language subtracts: Empty is 0, a text must read
        // as a number. Where f has no value the export is refused: writing
        // y there would pass y off as a difference.
        const EvalResult at = functionAt(bound, form, xs[i], evaluator);
        const NumResult f = at.failed() ? NumResult::fail(at.error) : toArithmetic(at.value);
        if (f.failed()) {
            return refusedExport(userText("qv::Texts", kDataErrorTitle),
                                 fillIn(userText("qv::Texts",
                                                 "The function does not give a number at item %1 of the "
                                                 "x data, so the difference cannot be formed."),
                                        {std::to_string(i + 1)}));
        }
        const double d = *y - f.value;
        if (!std::isfinite(d)) return tooLarge(i);
        plan.lines.push_back(plainText(d));
    }
    return plan;
}

// The dialog's path: the text before a NUL, without the blanks around it.
std::string trimmedPath(std::string_view chosen) {
    chosen = chosen.substr(0, chosen.find('\0'));
    const std::size_t first = chosen.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(chosen.substr(first, chosen.find_last_not_of(' ') - first + 1));
}

// The last component of a path in double quotes, as the messages name a file.
std::string quotedName(const std::string& path) {
    return "\"" + std::filesystem::path(path).filename().string() + "\"";
}

// Where the extension of the path's file name starts, after its last ".";
// npos when the name has none. Only the file's own name is looked at: a "."
// in a folder's name makes no extension, nor does the dot that starts the
// name of a hidden file.
std::size_t extensionStart(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::size_t name = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || dot <= name) return std::string_view::npos;
    return dot + 1;
}

// Whether the file's name ends in "." and the extension, in any case.
bool hasExtension(std::string_view path, std::string_view extension) {
    const std::size_t start = extensionStart(path);
    if (start == std::string_view::npos || path.size() - start != extension.size()) return false;
    for (std::size_t i = 0; i < extension.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(path[start + i])) != extension[i]) return false;
    }
    return true;
}

PathCheck refusedPath(std::string path, std::string title, std::string text) {
    return {PathVerdict::Refuse, std::move(path), DataMessage{std::move(title), std::move(text)}};
}

// Control bytes other than tab and the line ends appear in no text a user
// writes: their presence means a binary file (or UTF-16 text, whose every
// other byte is NUL).
bool isBinaryByte(unsigned char c) { return (c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7f; }

ImportResult refusedImport(std::string text) {
    ImportResult result;
    result.message = DataMessage{userText("qv::Texts", kImportTitle), std::move(text)};
    return result;
}

}  // namespace

bool ListFileParser::refuse(std::string why) {
    problem = std::move(why);
    return false;
}

bool ListFileParser::feed(const char* data, std::size_t size) {
    // A byte order mark some editors write before UTF-8 text is not part
    // of the first value. It may come in more than one piece: the first
    // bytes wait until they show whether they are one.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    for (std::size_t i = 0; i < size; ++i) {
        // Counted byte by byte, so that the first fault in the file is the
        // one named, however the file is cut into pieces.
        if (++bytes_ > kMaxListFileBytes) {
            return refuse(fillIn(userText("qv::Texts", "The file %1 is too large for a data list."), {name_}));
        }
        if (!atStart_) {
            if (!take(data[i])) return false;
            continue;
        }
        start_ += data[i];
        if (kByteOrderMark.substr(0, start_.size()) != start_) {
            if (!takeStart()) return false;
        } else if (start_.size() == kByteOrderMark.size()) {
            atStart_ = false;
        }
    }
    return true;
}

bool ListFileParser::finish() {
    if (atStart_ && !takeStart()) return false;
    return !lineOpen_ || endLine();
}

// The first bytes, which are no byte order mark, as bytes of the text.
bool ListFileParser::takeStart() {
    atStart_ = false;
    for (const char c : start_) {
        if (!take(c)) return false;
    }
    return true;
}

bool ListFileParser::take(char c) {
    if (afterCR_) {
        afterCR_ = false;
        if (c == '\n') return true;
    }
    if (c == '\r' || c == '\n') {
        // A CR alone ends a line too, so none is ever kept in an item.
        afterCR_ = c == '\r';
        return endLine();
    }
    if (isBinaryByte(static_cast<unsigned char>(c))) {
        return refuse(fillIn(userText("qv::Texts", "The file %1 is not a text list: it holds binary data."), {name_}));
    }
    if (line_.size() >= kMaxListLineBytes) {
        return refuse(fillIn(userText("qv::Texts", "The file %1 is not a text list: line %2 is longer than 1 MiB."),
                             {name_, std::to_string(items.size() + blankLines_ + 1)}));
    }
    line_.push_back(c);
    lineOpen_ = true;
    return true;
}

// Every line is one value: a line that is not a number refuses the whole
// file, so a column never holds half a list or a text it cannot compute
// with. A blank line counts only when a value follows it.
bool ListFileParser::endLine() {
    const bool blank = line_.find_first_not_of(" \t") == std::string::npos;
    if (blank) {
        ++blankLines_;
        line_.clear();
        lineOpen_ = false;
        return true;
    }
    if (blankLines_ > 0) {
        return refuse(fillIn(userText("qv::Texts", "Line %1 of %2 is empty, not a number."),
                             {std::to_string(items.size() + 1), name_}));
    }
    if (!isNumeric(line_)) {
        return refuse(fillIn(userText("qv::Texts", "Line %1 of %2 is not a number: %3"),
                             {std::to_string(items.size() + 1), name_, textExcerpt(line_)}));
    }
    if (items.size() >= kMaxListFileLines) {
        return refuse(fillIn(
            userText("qv::Texts", "The file %1 has more than 32767 lines, more than a data list holds."), {name_}));
    }
    std::string item;
    item.reserve(line_.size() + 1);
    item.push_back(' ');
    item += line_;
    items.push_back(std::move(item));
    line_.clear();
    lineOpen_ = false;
    return true;
}

FileDialogRequest exportDialogRequest() { return {userText("qv::Texts", "Export List"), listFilter(), "txt", ""}; }

FileDialogRequest importDialogRequest() { return {userText("qv::Texts", "Import List"), listFilter(), "", ""}; }

ExportPlan planExport(ExportMode mode, const DataColumns& columns, std::string_view functionEntry,
                      RewriteContext& ctx, Evaluator& evaluator) {
    const std::vector<std::string>& items = columns.selectedColumn();
    if (items.empty()) {
        return refusedExport(userText("qv::Texts", kDataErrorTitle),
                             userText("qv::Texts", "There is no data in the current data list!"));
    }
    switch (mode) {
    case ExportMode::Normal: {
        ExportPlan plan;
        plan.lines.reserve(items.size());
        for (const std::string& item : items) plan.lines.push_back(removeBlanks(item));
        return plan;
    }
    case ExportMode::Log:
    case ExportMode::Inverse: return valueLines(mode, items);
    case ExportMode::Difference: return differenceLines(columns, functionEntry, ctx, evaluator);
    }
    return {};
}

bool pathExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::path(path), ec);
}

PathCheck checkSavePath(std::string_view chosen, std::string_view extension, const std::string& replaceTitle,
                        const FileExists& exists) {
    std::string path = trimmedPath(chosen);
    if (!hasExtension(path, extension)) {
        std::string upper(extension);
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return refusedPath(std::move(path), userText("qv::Texts", "Quorvanta  -  Wrong extension!"),
                           fillIn(userText("qv::Texts", "Only a %1 extension is allowed."), {upper}));
    }
    // Only the extension is written in lower case; the rest is the user's.
    path.replace(extensionStart(path), std::string::npos, extension);
    if (!exists(path)) return {PathVerdict::Accept, std::move(path), {}};
    DataMessage question{
        replaceTitle, fillIn(userText("qv::Texts", "The file %1 already exists.  Would you like to replace this file?"),
                             {quotedName(path)})};
    return {PathVerdict::AskReplace, std::move(path), std::move(question)};
}

PathCheck checkOpenPath(std::string_view chosen, std::string_view extension, const std::string& notFoundTitle,
                        const FileExists& exists) {
    std::string path = trimmedPath(chosen);
    // The extension in any case: the dialogs list "ORBIT.GPH" too.
    if (!hasExtension(path, extension)) {
        return refusedPath(
            std::move(path), userText("qv::Texts", "Quorvanta  -  Missing extension!"),
            fillIn(userText("qv::Texts", "Please add the extension \".%1\" to your file name."), {extension}));
    }
    if (!exists(path)) {
        std::string text = fillIn(userText("qv::Texts", "%1 not found!"), {quotedName(path)});
        return refusedPath(std::move(path), notFoundTitle, std::move(text));
    }
    return {PathVerdict::Accept, std::move(path), {}};
}

PathCheck checkExportPath(std::string_view chosen, const FileExists& exists) {
    return checkSavePath(chosen, "txt", userText("qv::Texts", kExportTitle), exists);
}

PathCheck checkImportPath(std::string_view chosen, const FileExists& exists) {
    return checkOpenPath(chosen, "txt", userText("qv::Texts", kImportTitle), exists);
}

std::optional<DataMessage> importEraseQuestion(const DataColumns& columns) {
    if (columns.selectedColumn().empty()) return std::nullopt;
    return DataMessage{userText("qv::Texts", "Quorvanta  -  Remove permanently?"),
                       userText("qv::Texts", "Your current list still contains data.  Ok to erase?")};
}

ImportResult readListFile(const std::string& path) {
    const std::string name = quotedName(path);
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(std::filesystem::path(path), ec);
    if (!std::filesystem::exists(status)) return refusedImport(fillIn(userText("qv::Texts", "%1 not found!"), {name}));
    if (std::filesystem::is_directory(status)) {
        return refusedImport(fillIn(userText("qv::Texts", "%1 is a folder, not a list file."), {name}));
    }
    // A device or a pipe could be endless, or never end.
    if (!std::filesystem::is_regular_file(status)) {
        return refusedImport(fillIn(userText("qv::Texts", "%1 is not a list file."), {name}));
    }
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    if (!in) return refusedImport(fillIn(userText("qv::Texts", "The file %1 cannot be read."), {name}));
    ListFileParser parser(name);
    std::vector<char> chunk(std::size_t{1} << 16);
    while (in) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        if (!parser.feed(chunk.data(), static_cast<std::size_t>(in.gcount()))) return refusedImport(parser.problem);
    }
    if (in.bad()) return refusedImport(fillIn(userText("qv::Texts", "The file %1 cannot be read."), {name}));
    if (!parser.finish()) return refusedImport(parser.problem);
    ImportResult result;
    result.items = std::move(parser.items);
    return result;
}

std::optional<DataMessage> writeListFile(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    // Beside the old file and renamed over it once whole: a full disk
    // leaves the old list as it was.
    if (const std::optional<std::string> reason = writeFileSafely(path, bytes)) {
        return DataMessage{
            userText("qv::Texts", kExportTitle),
            fillIn(userText("qv::Texts", "The file %1 cannot be created: %2."), {quotedName(path), *reason})};
    }
    return std::nullopt;
}

}  // namespace qv
