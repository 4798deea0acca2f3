#pragma once

// The data list: four columns of item texts ("x data", "y data (1)" to
// "y data (3)"), the column shown and selected, and how the data is drawn on
// the graph. The columns are plain data; the list panel shows them and every
// command that changes them returns what it changed.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "expression/rewrite.h"
#include "expression/user_text.h"
#include "expression/value.h"

namespace qv {

class Evaluator;
struct Value;

// Item indexes are 16-bit in the list boxes and in the graph file.
inline constexpr std::size_t kMaxDataItems = 32767;
inline constexpr int kDataColumnCount = 4;

enum DataColumn : int { kXData = 0, kYData1 = 1, kYData2 = 2, kYData3 = 3 };

// A message box of the data commands: OK only unless the command says
// otherwise.
struct DataMessage {
    std::string title;
    std::string text;
    bool operator==(const DataMessage&) const = default;
};

inline constexpr const char* kDataErrorTitle = QV_TR("qv::Texts", "Quorvanta  -  Data error!");
inline constexpr const char* kInvalidEntryText =
    QV_TR("qv::Texts", "Invalid input!  Make sure your entry is a real number.");
inline constexpr const char* kColumnFullText =
    QV_TR("qv::Texts", "The list is full.  A data list holds at most 32767 items.");

// The button that Enter clicks after a command.
enum class DataDefaultButton : unsigned char { Keep, AddToList, ReplaceData };

// What a command did, for the panel to write back into its controls.
struct DataColumnEdit {
    bool changed = false;                  // the selected column's items changed
    bool edited = false;                   // the document changed (document_saved is cleared)
    std::optional<std::string> entryText;  // new text of the entry box; none keeps the box as it is
    std::optional<int> selection;          // item selected afterwards, -1 for none; none keeps it
    int scrollTo = -1;                     // item to bring into view first (the one just added)
    bool selectEntryText = false;          // select the entry box's whole text
    bool focusEntry = false;               // give the entry box the focus
    DataDefaultButton defaultButton = DataDefaultButton::Keep;
    std::optional<DataMessage> message;    // shown after the controls are written back
};

// The number an evaluation form gives the list, or none when it gives no
// number the list can hold. The list holds numbers only, so beyond a failed
// evaluation it refuses: a text result (even one that reads as a number), an
// Empty, a name nothing assigned (it would read as 0), and the parameter z
// (x, t and Z become z), which holds whatever the last evaluation at a point
// left in it. Booleans count as the numbers they are (-1 and 0).
std::optional<double> listNumber(std::string_view form, Evaluator& evaluator);

// The item the program stores for a value it computed: the shortest text
// that reads back as the same double, with one leading blank for zero and
// positive values (" 0.3333333333333333", "-0.25", " 5"). So every bit of
// the value stays in the column, the graph file and the exported list.
std::string itemText(double value);

// What the list box shows for an item: an item stored by itemText shows the
// value's 15-digit number text (" 0.333333333333333"); any other item (an
// import, a graph file's text) shows as it is stored.
std::string shownItemText(const std::string& item);

class DataColumns {
public:
    const std::vector<std::string>& column(int c) const { return columns_[static_cast<std::size_t>(c)]; }
    const std::vector<std::string>& selectedColumn() const { return column(selected_); }
    int selected() const { return selected_; }
    void select(int c) { selected_ = c; }

    // Replaces a column's items, as a graph file, an import or an undo
    // does. Items beyond the limit are dropped.
    void assign(int c, std::vector<std::string> items);

    // A number that names the column's items as they are: it changes with
    // every change of them, and no other column, here or in any other
    // document, ever has it with other items (a copy keeps it, as it keeps
    // the items). Lets a reader of the items tell at once that they are the
    // ones it read before.
    uint64_t stamp(int c) const { return stamps_[static_cast<std::size_t>(c)]; }
    // The same for each item of the column, by place: an item's stamp
    // changes when its text does (an item that moves takes its stamp along),
    // so a reader finds the items it has not read yet by their stamps alone.
    const std::vector<uint64_t>& itemStamps(int c) const { return itemStamps_[static_cast<std::size_t>(c)]; }

    // The commands below act on the selected column; `item` is its selected
    // item, -1 for none.

    // "Add to List": the blank-free entry is rewritten by heal (the box
    // shows it, or keeps what was typed when heal cannot restore it); when
    // its evaluation form gives a number (listNumber), the item of the value
    // is appended. An empty entry adds nothing and shows nothing; any other
    // entry that is not a number shows kInvalidEntryText, unless heal has
    // already shown its parenthesis message for it.
    DataColumnEdit add(std::string_view entryText, RewriteContext& ctx, Evaluator& evaluator);

    // The calculator's answer as a new last item (itemText). An answer that
    // is no number shows kInvalidEntryText, a full column kColumnFullText.
    DataColumnEdit appendAnswer(const Value& answer);

    // "Delete Item".
    DataColumnEdit remove(int item);

    // "Clear List": empties the selected column only; only a column that
    // had items counts as an edit.
    DataColumnEdit clear();

    // "Replace Data": the selected item becomes the item of the entry's
    // value. Any failure shows kInvalidEntryText (or heal's parenthesis
    // message) and keeps the item.
    DataColumnEdit replace(int item, std::string_view entryText, RewriteContext& ctx, Evaluator& evaluator);

    // "^" and "v": the item changes places with its neighbour; the selection
    // follows it and the entry box shows it. Nothing happens without a
    // selection or at the end the item would leave.
    DataColumnEdit moveUp(int item);
    DataColumnEdit moveDown(int item);

    // A click on an item: the entry box shows its text without blanks,
    // selected, and "Replace Data" becomes the default button.
    DataColumnEdit clickItem(int item) const;

private:
    // The selected column's items and their stamps, for a change of them:
    // the column takes a new stamp.
    std::vector<std::string>& selectedItems();
    std::vector<uint64_t>& selectedItemStamps() { return itemStamps_[static_cast<std::size_t>(selected_)]; }
    bool validItem(int item) const;
    DataColumnEdit swapWith(int item, int neighbour);

    std::array<std::vector<std::string>, kDataColumnCount> columns_;
    // Every column starts empty with stamp 0, the stamp of "no items".
    std::array<uint64_t, kDataColumnCount> stamps_{};
    std::array<std::vector<uint64_t>, kDataColumnCount> itemStamps_;
    int selected_ = kYData1;
};

// The data drawings of the graph and their parameters: "Plot Data",
// "Connect", "Moving Avg." with its window size k, "Smooth" with its m
// neighbours on each side.
struct DataPlotOptions {
    bool points = false;
    bool connect = false;
    bool movingAverage = false;
    bool smooth = false;
    int size = 2;        // k >= 1
    int neighbours = 1;  // m >= 0

    bool any() const { return points || connect || movingAverage || smooth; }
};

}  // namespace qv
