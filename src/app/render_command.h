#pragma once

#include <cstdio>
#include <string>

namespace qv {

// `quorvanta --render FILE.gph -o OUT [--size WxH]`: opens the graph file as
// "&Open..." reads it, without a display (Qt's offscreen platform), draws the
// graph as the picture area of the parametric grapher shows it at W x H
// pixels (800 x 600 unless given) and writes the picture to OUT in the
// format its extension names (PNG, BMP, JPEG). Prints "image: OUT WxH". A
// file that does not read prints "error: line N: ..." on `err`; returns the
// exit code: 0, or 1 on an error.
int runRenderCommand(const char* program, const std::string& graphPath, const std::string& imagePath, int width,
                     int height, std::FILE* out, std::FILE* err);

// "WxH" with both between 16 and 8192, or false.
bool parseImageSize(const std::string& text, int& width, int& height);

}  // namespace qv
