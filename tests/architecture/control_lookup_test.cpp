// The document, not the widgets, is where the program learns what the user
// set: no source file looks a control up by its name, and the old helpers
// that did are gone. Checked on the real tree, and on lines that break (or
// keep) the rule.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace qv::architecture {
namespace {

namespace fs = std::filesystem;

// A look-up of a control by name: findChild or findChildren given a name,
// or one of the helpers that wrapped such a look-up.
bool looksUpAControl(const std::string& line) {
    // Most lines hold none of the words; the expression runs on the rest.
    bool candidate = false;
    for (const char* word : {"findChild", "control", "oxText", "heckValue", "menuChecked", "fitChoice"}) {
        candidate = candidate || line.find(word) != std::string::npos;
    }
    if (!candidate) return false;
    static const std::regex kLookup(
        R"(findChild(ren)?\s*<[^>]*>\s*\(\s*[^)\s])"
        R"(|\bcontrol\s*<[^>]*>\s*\()"
        R"(|\b(boxText|setBoxText|checkValue|setCheckValue|menuChecked|fitChoice)\s*\()");
    return std::regex_search(line, kLookup);
}

TEST(ControlLookups, TheRuleTellsALookUpFromOtherCode) {
    const struct {
        const char* line;
        bool lookup;
    } kLines[] = {
        {R"x(auto* box = findChild<QLineEdit*>("Text8");)x", true},
        {R"x(w.findChild<QComboBox*>(QStringLiteral("Combo5(%1)").arg(i)))x", true},
        {R"x(for (auto* o : list.findChildren<QRadioButton*>(name)) {})x", true},
        {R"x(f.x_of_z = boxText("Text8");)x", true},
        {R"x(auto* a = control<QAction>("Logx");)x", true},
        {R"x(if (menuChecked(kMenuChecks[i])) {})x", true},
        {R"x(for (QLineEdit* box : findChildren<QLineEdit*>()) {})x", false},
        {R"x(for (QWidget* w : background_->findChildren<QWidget*>( )) {})x", false},
        {R"x(box->setObjectName("Text8");)x", false},
        {R"x(const std::string text = doc.boxes.x_of_z;)x", false},
    };
    for (const auto& l : kLines) EXPECT_EQ(looksUpAControl(l.line), l.lookup) << l.line;
}

TEST(ControlLookups, NoSourceFileLooksAControlUpByName) {
    const fs::path src = fs::path(QV_SOURCE_DIR) / "src";
    ASSERT_TRUE(fs::is_directory(src));
    std::string report;
    int files = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(src)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
        ++files;
        std::ifstream in(entry.path());
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            if (looksUpAControl(line)) {
                report += fs::relative(entry.path(), src).string() + ":" + std::to_string(number) + ": " + line + "\n";
            }
        }
    }
    EXPECT_GT(files, 100);
    EXPECT_EQ(report, "");
}

}  // namespace
}  // namespace qv::architecture
