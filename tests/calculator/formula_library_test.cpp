#include "calculator/formula_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calculator/custom_equations.h"
#include "expression/evaluator_fixture.h"
#include "expression/rewrite.h"
#include "expression/user_text.h"

namespace qv {
namespace {

using L = FormulaList;

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", from)) {
        lines.push_back(text.substr(from, at - from));
        from = at + 2;
    }
    lines.push_back(text.substr(from));
    return lines;
}

// The words of a text: runs of letters.
std::vector<std::string> wordsOf(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : text) {
        if (std::isalpha(static_cast<unsigned char>(c)) != 0) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

// The terms a text encloses in two apostrophes on each side (''Side'').
std::vector<std::string> quotedTerms(std::string_view text) {
    std::vector<std::string> terms;
    for (std::size_t open = text.find("''"); open != std::string_view::npos;) {
        const std::size_t close = text.find("''", open + 2);
        if (close == std::string_view::npos) {
            terms.emplace_back("<unclosed>");
            break;
        }
        terms.emplace_back(text.substr(open + 2, close - open - 2));
        open = text.find("''", close + 2);
    }
    return terms;
}

int namesUsed(const Formula& f) {
    return static_cast<int>(std::count_if(f.names.begin(), f.names.end(), [](auto n) { return !n.empty(); }));
}

// ---------------------------------------------------------------------------
// The fixed lists

TEST(FormulaLibraryTest, ListsOfferTheirEntriesInTableOrder) {
    const std::pair<L, std::string_view> headings[] = {
        {L::Miscellaneous, "Miscellaneous"}, {L::Area, "Area"}, {L::Volume, "Volume"}, {L::UserDefined, "User Defined"}};
    for (const auto& [list, heading] : headings) EXPECT_EQ(formulaListHeading(list), heading);

    std::vector<const Formula*> listed;
    for (const L list : {L::Miscellaneous, L::Area, L::Volume}) {
        const std::vector<const Formula*> rows = formulasOf(list);
        listed.insert(listed.end(), rows.begin(), rows.end());
    }
    std::vector<const Formula*> table;
    for (const Formula& f : formulas()) table.push_back(&f);
    EXPECT_EQ(listed, table);
    EXPECT_EQ(formulasOf(L::Miscellaneous).size(), 12u);
    EXPECT_EQ(formulasOf(L::Area).size(), 21u);
    EXPECT_EQ(formulasOf(L::Volume).size(), 12u);
    EXPECT_TRUE(formulasOf(L::UserDefined).empty());

    for (const Formula& f : formulas()) {
        SCOPED_TRACE(f.entry);
        for (const L list : {L::Miscellaneous, L::Area, L::Volume, L::UserDefined}) {
            EXPECT_EQ(findFormula(list, f.entry), list == f.list ? &f : nullptr);
        }
    }
    // Only the exact entry text of the list counts.
    const std::pair<L, std::string_view> notEntries[] = {
        {L::Area, "Cube"}, {L::Volume, "Surface Cube"}, {L::Area, "triangle"},
        {L::Area, "Triangle "}, {L::Area, "Area"}, {L::Miscellaneous, ""}};
    for (const auto& [list, text] : notEntries) EXPECT_EQ(findFormula(list, text), nullptr) << text;
}

// The calculator replaces each name by its value as plain, case-sensitive
// text in box order. That only works when every name occurs in the equation
// as itself: not inside another name, not inside a function or constant.
// Substituting in box order must therefore leave nothing but known words.
TEST(FormulaLibraryTest, NamesCanBeSubstitutedInBoxOrder) {
    std::set<std::string> known(defaultFunctionNames().begin(), defaultFunctionNames().end());
    known.insert({"pi", "e", "G", "mol", "life"});

    for (const Formula& f : formulas()) {
        SCOPED_TRACE(f.entry);
        const int used = namesUsed(f);
        ASSERT_GE(used, 1);
        for (int i = 0; i < kFormulaNameBoxes; ++i) {
            EXPECT_EQ(f.names[i].empty(), i >= used) << "box " << 2 * i << " out of order";
            for (int j = 0; j < used && i < used; ++j) {
                if (i == j) continue;
                EXPECT_EQ(f.names[i].find(f.names[j]), std::string_view::npos) << f.names[i] << " holds " << f.names[j];
            }
        }
        std::string text(f.equation);
        for (int i = 0; i < used; ++i) {
            EXPECT_NE(text.find(f.names[i]), std::string::npos) << f.names[i] << " not in " << text;
            text = replaceAll(text, f.names[i], "(1)");
        }
        for (const std::string& word : wordsOf(text)) EXPECT_TRUE(known.count(word) == 1) << word << " in " << text;
    }
}

// ---------------------------------------------------------------------------
// The descriptions

TEST(FormulaLibraryTest, EveryEntryShowsItsOwnNoteUnderItsTitle) {
    // In table order, as the user sees them.
    const std::string_view titles[] = {
        "Quadratic Formula (+):",
        "Quadratic Formula (-):",
        "Circumference of a Circle:",
        "Perimeter of a Regular Polygon:",
        "Finding the length of the Hypoenuse of a Right Triangle:",
        "Distance Formula:",
        "Finding Density:",
        "The Force of Gravity:",
        "Converting Celsius Degrees to Fahrenheit Degrees:",
        "Converting Fahrenheit Degrees to Celsius Degrees:",
        "Finding the Present Value of an Initial Investment:",
        "Finding the Present Value of a Periodic Investment:",
        "Area of a Regular Polygon:",
        "Area of a Triangle:",
        "Area of a Triangle:",
        "Area of a Square:",
        "Area of a Rectangle:",
        "Area of a Parallelogram:",
        "Area of a Parallelogram:",
        "Area of a Rhombus:",
        "Area of a Rhombus:",
        "Area of a Trapezoid:",
        "Area of a Circle:",
        "Area of a Circular Sector:",
        "Area of an Ellipse:",
        "Surface Area of a Cube:",
        "Surface Area of a Sphere:",
        "Surface Area of a Cylinder:",
        "Surface Area of a Right Cone:",
        "Surface Area of a Regular Tetrahedron:",
        "Surface Area of a Regular Octahedron:",
        "Surface Area of a Regular Icosahedron:",
        "Surface Area of a Regular Dodecahedron:",
        "Volume of a Cube:",
        "Volume of a Rectangular Prism:",
        "Volume of a General Prism:",
        "Volume of a Cylinder:",
        "Volume of a Sphere:",
        "Volume of an Ellipsoid:",
        "Volume of a Pyramid:",
        "Volume of a Cone: ",
        "Volume of a Regular Tetrahedron:",
        "Volume of a Regular Octahedron:",
        "Volume of a Regular Icosahedron:",
        "Volume of a Regular Dodecahedron:",
    };
    ASSERT_EQ(formulas().size(), std::size(titles));
    std::set<int> notesUsed;
    for (std::size_t k = 0; k < std::size(titles); ++k) {
        const Formula& f = formulas()[k];
        SCOPED_TRACE(f.entry);
        ASSERT_TRUE(f.note >= 0 && f.note < kFormulaNoteCount) << f.note;
        EXPECT_TRUE(notesUsed.insert(f.note).second) << "note " << f.note << " used twice";
        const FormulaFill fill = fillOf(f);
        EXPECT_EQ(splitLines(fill.description).front(), titles[k]);
        EXPECT_EQ(fill.description, formulaNotes()[static_cast<std::size_t>(f.note)]);
        EXPECT_EQ(fill.expression, f.equation);
        for (int i = 0; i < kFormulaNameBoxes; ++i) EXPECT_EQ(fill.names[i], f.names[i]);
    }
}

TEST(FormulaLibraryTest, NotesDefineTheFigureAndNameEveryVariable) {
    // Notes under one title define one figure: same definition, other variables.
    std::map<std::string, std::pair<std::string, std::string>> byTitle;
    for (const Formula& f : formulas()) {
        SCOPED_TRACE(f.entry);
        const std::vector<std::string> lines = splitLines(formulaNotes()[static_cast<std::size_t>(f.note)]);
        ASSERT_EQ(lines.size(), 3u);
        for (const std::string& line : lines) EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
        EXPECT_NE(lines[0].front(), ' ');
        for (const std::string& line : {lines[1], lines[2]}) {
            EXPECT_EQ(line.find_first_not_of(' '), 5u) << line;
            EXPECT_GT(line.size(), 40u) << line;
        }
        for (int i = 0; i < namesUsed(f); ++i) {
            const std::string quoted = "''" + std::string(f.names[i]) + "''";
            EXPECT_NE(lines[2].find(quoted), std::string::npos) << quoted << " not explained";
        }
        // Only the formula's own names, or a constant it uses (G), are quoted.
        for (const std::string& line : {lines[1], lines[2]}) {
            for (const std::string& term : quotedTerms(line)) {
                const bool name = std::find(f.names.begin(), f.names.end(), term) != f.names.end();
                const bool constant = term == "G" && f.equation.find('G') != std::string_view::npos;
                EXPECT_TRUE(name || constant) << "''" << term << "'' in " << line;
            }
        }
        const auto [it, first] = byTitle.try_emplace(lines[0], lines[1], lines[2]);
        if (!first) {
            EXPECT_EQ(lines[1], it->second.first);
            EXPECT_NE(lines[2], it->second.second);
        }
    }
}

// In another language the lists and notes are shown translated piece by
// piece, the note keeping its three lines and indents, while a text of the
// user's own stays as typed; without a translation all stays English.
std::string bracketed(const char* context, const char* english) {
    return std::string(context) == "qv::Formulas" ? "[" + std::string(english) + "]" : english;
}

TEST(FormulaLibraryTest, ListsAndNotesShowInTheUsersLanguage) {
    const std::string note = formulaNotes()[10];  // the circle's
    EXPECT_EQ(shownDescription(note), note);
    EXPECT_EQ(shownFormulaText("Circle"), "Circle");
    setTextLookup(&bracketed);
    EXPECT_EQ(shownFormulaText("Circle"), "[Circle]");
    EXPECT_EQ(shownFormulaText(formulaListHeading(FormulaList::UserDefined)), "[User Defined]");
    const std::string shown = shownDescription(note);
    const std::size_t first = note.find("\r\n"), second = note.find("\r\n", first + 2);
    EXPECT_EQ(shown, "[" + note.substr(0, first) + "]\r\n     [" + note.substr(first + 7, second - first - 7) +
                         "]\r\n     [" + note.substr(second + 7) + "]");
    EXPECT_EQ(shownDescription("My own note:\r\n     about rings"), "My own note:\r\n     about rings");
    EXPECT_EQ(shownDescription(note + " "), note + " ");  // an edited note is the user's
    setTextLookup(nullptr);
}

TEST(FormulaLibraryTest, FixedWordingsOfNotes) {
    struct Wording {
        L list;
        std::string_view entry;
        std::string_view ending;  // the note's last characters
        bool whole;               // the ending is the whole note
    };
    const Wording wordings[] = {
        {L::Miscellaneous, "Hypotenuse",
         "Finding the length of the Hypoenuse of a Right Triangle:\r\n"
         "     The hypotenuse of a right triangle is the side that is opposite to the right angle of that triangle.\r\n"
         "     ''A'' and ''B'' refer to the lengths of the two legs of the triangle.",
         true},
        {L::Miscellaneous, "Force of Gravity", "''G'' is the gravitational constant (already defined).", false},
        {L::Miscellaneous, "Quadratic Formula (+)",
         "This equation solves for the greater of the two solutions that may be found.", false},
        {L::Miscellaneous, "Quadratic Formula (-)",
         "This equation solves for the lesser of the two solutions that may be found.", false},
    };
    for (const Wording& w : wordings) {
        SCOPED_TRACE(w.entry);
        const Formula* f = findFormula(w.list, w.entry);
        ASSERT_NE(f, nullptr);
        const std::string& note = fillOf(*f).description;
        if (w.whole) {
            EXPECT_EQ(note, w.ending);
        } else {
            EXPECT_TRUE(std::string_view(note).ends_with(w.ending)) << note;
        }
    }
}

// ---------------------------------------------------------------------------
// The equations compute what their entries promise

struct KnownAnswer {
    L list;
    std::string_view entry;
    std::vector<std::string> values;  // for the names in box order
    double expected;
    double tolerance;
};

const double kPi = 3.141592653589793;

const KnownAnswer kKnownAnswers[] = {
    {L::Miscellaneous, "Quadratic Formula (+)", {"1", "-3", "2"}, 2, 1e-12},  // x^2 - 3x + 2 = (x-1)(x-2)
    {L::Miscellaneous, "Quadratic Formula (-)", {"1", "-3", "2"}, 1, 1e-12},
    {L::Miscellaneous, "Hypotenuse", {"3", "4"}, 5, 1e-12},
    {L::Miscellaneous, "Distance Formula", {"1", "1", "4", "5"}, 5, 1e-12},
    {L::Miscellaneous, "Reg. Polygon's Perimeter", {"6", "2"}, 12, 1e-12},  // a hexagon's side is its radius
    {L::Miscellaneous, "Force of Gravity", {"2", "3", "1"}, 6 * 6.67428e-11, 1e-22},
    {L::Miscellaneous, "Celsius to Fahrenheit", {"100"}, 212, 1e-12},
    {L::Miscellaneous, "Fahrenheit to Celsius", {"212"}, 100, 1e-12},
    {L::Miscellaneous, "Value of Initial Sum", {"100", "0.1", "2"}, 121, 1e-9},
    {L::Miscellaneous, "Value of Annuity", {"100", "0.1", "2"}, 210, 1e-9},
    {L::Area, "Regular Polygon", {"2", "4"}, 4, 1e-12},  // a square
    {L::Area, "Triangle (2)", {"4", "5", "90"}, 10, 1e-12},
    {L::Area, "Rhombus (2)", {"2", "90"}, 4, 1e-12},
    {L::Area, "Surface Right Cone", {"3", "4"}, 24 * kPi, 1e-12},
    {L::Area, "Surf. Reg. Dodecahedron", {"1"}, 20.645728807, 1e-8},
    {L::Volume, "Ellipsoid", {"1", "2", "3"}, 8 * kPi, 1e-12},
    {L::Volume, "Regular Icosahedron", {"1"}, 2.181694991, 1e-8},
    {L::Volume, "Regular Dodecahedron", {"1"}, 7.663118961, 1e-8},
};

using FormulaEvaluationTest = testing_support::EvaluatorFixture;

// Each name is replaced by its value in parentheses, in box order, and the
// text goes through the full rewriting, as "Evaluate" does.
TEST_F(FormulaEvaluationTest, EquationsGiveKnownAnswers) {
    for (const KnownAnswer& c : kKnownAnswers) {
        SCOPED_TRACE(c.entry);
        const Formula* f = findFormula(c.list, c.entry);
        ASSERT_NE(f, nullptr);
        ASSERT_EQ(static_cast<int>(c.values.size()), namesUsed(*f));
        std::string text(f->equation);
        for (std::size_t i = 0; i < c.values.size(); ++i) text = replaceAll(text, f->names[i], "(" + c.values[i] + ")");
        RewriteContext ctx;
        EXPECT_TRUE(testing_support::matches(ev.eval(heal_2(heal(text, ctx))), testing_support::num(c.expected, c.tolerance)))
            << text;
    }
}

// ---------------------------------------------------------------------------
// Custom equations

// Row k with every field telling its row and field apart from all others.
CustomEquation rowOf(int k) {
    const std::string n = std::to_string(k);
    return {"title " + n, "description " + n, "equation " + n, {"a" + n, "b" + n, "c" + n, "d" + n, "e" + n}};
}

std::vector<CustomEquation> rowsOf(int count) {
    std::vector<CustomEquation> rows;
    for (int k = 0; k < count; ++k) rows.push_back(rowOf(k));
    return rows;
}

TEST(CustomEquationsTest, FiftyEquationsAtMost) {
    CustomEquations store;
    for (int k = 0; k < kMaxCustomEquations; ++k) {
        EXPECT_FALSE(store.full());
        EXPECT_TRUE(store.create(rowOf(k)));
    }
    EXPECT_TRUE(store.full());
    EXPECT_FALSE(store.create(rowOf(50)));
    EXPECT_EQ(store.equations(), rowsOf(50));

    // Deleting one makes room for one more.
    EXPECT_TRUE(store.remove(0));
    EXPECT_FALSE(store.full());
    EXPECT_TRUE(store.create(rowOf(50)));
    EXPECT_EQ(store.count(), 50);
    EXPECT_EQ(store.equations().back(), rowOf(50));
    EXPECT_FALSE(store.create(rowOf(51)));

    // A file cannot hold more than the list can.
    store.assign(rowsOf(60));
    EXPECT_EQ(store.equations(), rowsOf(50));
    store.clear();
    EXPECT_EQ(store.count(), 0);
    EXPECT_TRUE(store.create(rowOf(7)));
}

TEST(CustomEquationsTest, DeletingMovesLaterRowsUpWithTheirFields) {
    struct DeleteCase {
        const char* name;
        int rows;
        int removed;
        bool done;
    };
    const DeleteCase cases[] = {
        {"first of twelve", 12, 0, true},   {"middle of twelve", 12, 5, true},
        {"last of twelve", 12, 11, true},   {"the only one", 1, 0, true},
        {"all fifty, first", 50, 0, true},  {"no item selected", 12, -1, false},
        {"past the last item", 12, 12, false}, {"empty list", 0, 0, false},
    };
    for (const DeleteCase& c : cases) {
        SCOPED_TRACE(c.name);
        CustomEquations store;
        store.assign(rowsOf(c.rows));
        EXPECT_EQ(store.remove(c.removed), c.done);

        std::vector<CustomEquation> expected = rowsOf(c.rows);
        if (c.done) expected.erase(expected.begin() + c.removed);
        ASSERT_EQ(store.equations(), expected);
        for (int j = 0; j < store.count(); ++j) {
            const FormulaFill fill = store.fillOf(j);
            const CustomEquation& row = expected[static_cast<std::size_t>(j)];
            EXPECT_EQ(fill.description, row.description);
            EXPECT_EQ(fill.expression, row.equation);
            EXPECT_EQ(fill.names, row.names);
        }
        const FormulaFill none = store.fillOf(store.count());
        EXPECT_TRUE(none.expression.empty() && none.description.empty() && none.names[0].empty());
    }
}

}  // namespace
}  // namespace qv
