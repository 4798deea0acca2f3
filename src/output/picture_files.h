#pragma once

// The picture's files: "Save As &Bitmap..." and "Export Graph..." with their
// dialogs and name rules, and the print dialog's "Number of Copies:" rules.

#include <optional>
#include <string>
#include <string_view>

#include "data/list_file.h"
#include "expression/user_text.h"
#include "platform/platform.h"

namespace qv {

inline constexpr const char* kBitmapTitle = QV_TR("qv::Texts", "Quorvanta  -  Bitmap");
inline constexpr const char* kExportGraphTitle = QV_TR("qv::Texts", "Quorvanta  -  Export Graph");
inline constexpr const char* kManyCopiesTitle = QV_TR("qv::Texts", "Quorvanta  -  Multiple Copies");
inline constexpr int kCopiesWithoutQuestion = 30;

FileDialogRequest bitmapDialog();
// The name's extension must be ".bmp" in any case and is written in lower
// case; an existing file is replaced when the user agrees.
PathCheck checkBitmapPath(std::string_view chosen, const FileExists& exists = pathExists);

enum class VectorFormat : unsigned char { Svg, Pdf };
// The vector format a file name asks for by its extension (any case).
std::optional<VectorFormat> vectorFormatOf(std::string_view path);

FileDialogRequest exportGraphDialog();
// A name ending in .svg or .pdf; an existing file is replaced when the user
// agrees.
PathCheck checkExportGraphPath(std::string_view chosen, const FileExists& exists = pathExists);

// "Number of Copies:": a number is rounded to a whole one (halves to the
// even neighbour) and raised to 1; none for a text that is not a number.
std::optional<int> copiesFor(std::string_view text);
std::string manyCopiesQuestion(std::string_view copiesText);

}  // namespace qv
