#include "output/picture_files.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "expression/number_text.h"
#include "expression/user_text.h"

namespace qv {

FileDialogRequest bitmapDialog() {
    return {userText("qv::Texts", "Save As"), userText("qv::Texts", "Bitmap Files (*.bmp)") + "|*.BMP", "bmp", ""};
}

PathCheck checkBitmapPath(std::string_view chosen, const FileExists& exists) {
    return checkSavePath(chosen, "bmp", userText("qv::Texts", kBitmapTitle), exists);
}

std::optional<VectorFormat> vectorFormatOf(std::string_view path) {
    std::string extension = std::filesystem::path(std::string(path)).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".svg") return VectorFormat::Svg;
    if (extension == ".pdf") return VectorFormat::Pdf;
    return std::nullopt;
}

FileDialogRequest exportGraphDialog() {
    return {userText("qv::Texts", "Export Graph"),
            userText("qv::Texts", "SVG Images (*.svg)") + "|*.svg|" + userText("qv::Texts", "PDF Documents (*.pdf)") +
                "|*.pdf",
            "svg", ""};
}

PathCheck checkExportGraphPath(std::string_view chosen, const FileExists& exists) {
    std::string path(chosen);
    path.erase(0, path.find_first_not_of(' '));
    path.erase(path.find_last_not_of(' ') + 1);
    if (!vectorFormatOf(path)) {
        return {PathVerdict::Refuse, path,
                DataMessage{userText("qv::Texts", "Quorvanta  -  Wrong extension!"),
                            userText("qv::Texts", "Only an SVG or a PDF extension is allowed.")}};
    }
    if (!exists(path)) return {PathVerdict::Accept, path, {}};
    const std::string name = std::filesystem::path(path).filename().string();
    return {
        PathVerdict::AskReplace, path,
        DataMessage{userText("qv::Texts", kExportGraphTitle),
                    fillIn(userText("qv::Texts", "The file %1 already exists.  Would you like to replace this file?"),
                           {"\"" + name + "\""})}};
}

std::optional<int> copiesFor(std::string_view text) {
    const std::optional<double> v = isNumeric(text) ? toNumber(text) : std::nullopt;
    if (!v || !std::isfinite(*v)) return std::nullopt;
    // More copies than this are not a number anyone means; the question
    // above 30 still asks about them.
    constexpr double kMostCopies = 32767;
    return static_cast<int>(std::clamp(std::nearbyint(*v), 1.0, kMostCopies));
}

std::string manyCopiesQuestion(std::string_view copiesText) {
    return fillIn(userText("qv::Texts",
                           "You have told the printer to print %1 copies.  Are you sure you would like to "
                           "print that many?"),
                  {copiesText});
}

}  // namespace qv
