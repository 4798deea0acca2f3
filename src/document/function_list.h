#pragma once

// The function list: expressions in z kept at hand beside the graph, each in
// its display form. The list itself is plain data; every command returns what
// it changed so that the panel can write it back into its controls.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "expression/rewrite.h"

namespace qv {

// The entry count is a 16-bit integer, in the list box and in the graph file.
inline constexpr std::size_t kMaxFunctionEntries = 32767;

// The curve fitting leaves this in the function entry box when the user
// stops it; the box drops it as soon as it gets the focus.
inline constexpr std::string_view kDataFitHaltedText = "Data fit halted.";

// What a command did, for the panel to show.
struct FunctionListEdit {
    bool changed = false;                  // the entries changed
    bool edited = false;                   // the document changed (document_saved is cleared)
    bool refused = false;                  // an add found the list full and kept nothing
    std::optional<std::string> entryText;  // new text of the entry box; none keeps the box as it is
    std::optional<int> selection;          // entry selected afterwards, -1 for none; none keeps the selection
    int scrollTo = -1;                     // entry to bring into view first (the one just added)
    bool selectEntryText = false;          // select the entry box's whole text
};

// The text without any blank. Users type "2 z" for "2z"; the list never
// keeps blanks.
std::string removeBlanks(std::string_view text);

class FunctionList {
public:
    const std::vector<std::string>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    bool full() const { return entries_.size() >= kMaxFunctionEntries; }

    // Replaces every entry, as a graph file is loaded. Entries beyond the
    // limit are dropped: the file's own count cannot name more.
    void assign(std::vector<std::string> entries);

    // "Add to List": the blank-free entry text, rewritten by heal, is
    // appended. An empty text adds nothing and edits nothing. A parenthesis
    // error is reported through ctx and the text is appended all the same.
    // A full list refuses the entry: nothing is rewritten or appended and
    // the blank-free text stays in the entry box.
    FunctionListEdit add(std::string_view entryText, RewriteContext& ctx);

    // "Delete Item": removes the selected entry (-1: none, nothing happens).
    FunctionListEdit remove(int selected);

    // "Replace Function": with a text in the entry box and an entry
    // selected, that entry becomes the heal rewriting of the blank-free
    // text; the selection goes and the box is emptied. Otherwise nothing.
    FunctionListEdit replace(int selected, std::string_view entryText, RewriteContext& ctx);

    // "Clear List": empties the list; only a list that had entries counts as
    // an edit.
    FunctionListEdit clear();

    // "^" and "v": the selected entry changes places with its neighbour; the
    // selection follows it and the entry box shows it. Nothing happens
    // without a selection or at the end the entry would leave.
    FunctionListEdit moveUp(int selected);
    FunctionListEdit moveDown(int selected);

private:
    FunctionListEdit swapWith(int selected, int neighbour);

    std::vector<std::string> entries_;
};

}  // namespace qv
