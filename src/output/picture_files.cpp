#include "output/picture_files.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "expression/number_text.h"

namespace qv {

FileDialogRequest bitmapDialog() { return {"Save As", "Bitmap Files (*.bmp)|*.BMP", "bmp", ""}; }

PathCheck checkBitmapPath(std::string_view chosen, const FileExists& exists) {
    return checkSavePath(chosen, "bmp", kBitmapTitle, exists);
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
    return {"Export Graph", "SVG Images (*.svg)|*.svg|PDF Documents (*.pdf)|*.pdf", "svg", ""};
}

PathCheck checkExportGraphPath(std::string_view chosen, const FileExists& exists) {
    std::string path(chosen);
    path.erase(0, path.find_first_not_of(' '));
    path.erase(path.find_last_not_of(' ') + 1);
    if (!vectorFormatOf(path)) {
        return {PathVerdict::Refuse, path,
                DataMessage{"Quorvanta  -  Wrong extension!", "Only an SVG or a PDF extension is allowed."}};
    }
    if (!exists(path)) return {PathVerdict::Accept, path, {}};
    const std::string name = std::filesystem::path(path).filename().string();
    return {PathVerdict::AskReplace, path,
            DataMessage{kExportGraphTitle,
                        "The file \"" + name + "\" already exists.  Would you like to replace this file?"}};
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
    return "You have told the printer to print " + std::string(copiesText) +
           " copies.  Are you sure you would like to print that many?";
}

}  // namespace qv
