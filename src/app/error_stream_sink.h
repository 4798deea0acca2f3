#pragma once

#include <cstdio>
#include <string>

#include "expression/rewrite.h"

namespace qv {

// The rewriter's parenthesis message, written where a person running a
// command-line mode sees it.
class ErrorStreamSink : public FormulaErrorSink {
public:
    explicit ErrorStreamSink(std::FILE* err = stderr) : err_(err) {}
    void formulaError(const std::string& title, const std::string& text) override {
        std::fprintf(err_, "%s\n%s\n", title.c_str(), text.c_str());
    }

private:
    std::FILE* err_;
};

}  // namespace qv
