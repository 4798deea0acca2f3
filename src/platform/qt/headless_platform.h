#pragma once

#include <cstdio>

#include "platform/platform.h"

namespace qv {

// The desktop services of a program that has no desktop (the headless
// render, the manual's screenshots): every box is answered as closing it
// would, and its text goes to the given stream so that a script sees why a
// drawing is missing; no dialog, printer, setting or folder of the user's.
class HeadlessPlatform : public Platform {
public:
    explicit HeadlessPlatform(std::FILE* notes) : notes_(notes) {}

    MessageAnswer message(const std::string& title, const std::string& text, MessageButtons buttons,
                          MessageIcon icon) override;
    std::optional<std::string> openFileName(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFileName(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<uint32_t> chooseColor(uint32_t, CustomColors&) override { return std::nullopt; }
    bool startOwnProgram(const std::vector<std::string>&) override { return false; }
    bool openDocument(const std::string&) override { return false; }
    std::vector<std::string> printerNames() override { return {}; }
    std::string defaultPrinter() override { return {}; }
    bool print(const PrintRequest&) override { return false; }
    std::string programFolder() override;
    std::string configFolder() override { return {}; }
    std::vector<std::string> dataFolders() override { return {}; }
    std::string userDataFolder() override { return {}; }
    std::string setting(const std::string&) override { return {}; }
    void setSetting(const std::string&, const std::string&) override {}

private:
    std::FILE* notes_;
};

}  // namespace qv
