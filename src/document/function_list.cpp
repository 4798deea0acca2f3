#include "document/function_list.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace qv {

std::string removeBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(out), [](char c) { return c != ' '; });
    return out;
}

void FunctionList::assign(std::vector<std::string> entries) {
    if (entries.size() > kMaxFunctionEntries) entries.resize(kMaxFunctionEntries);
    entries_ = std::move(entries);
}

FunctionListEdit FunctionList::add(std::string_view entryText, RewriteContext& ctx) {
    FunctionListEdit edit;
    // The box shows the blank-free text whatever follows.
    edit.entryText = removeBlanks(entryText);
    if (edit.entryText->empty()) return edit;
    if (full()) {
        // Keep the user's text so nothing typed is lost.
        edit.refused = true;
        return edit;
    }
    // A text the rewriting cannot restore is kept as typed (and fails when drawn).
    entries_.push_back(shownForm(*edit.entryText, heal(*edit.entryText, ctx)));
    edit.changed = true;
    edit.edited = true;
    edit.entryText = "";
    // Selected for a moment so the list scrolls to it, then left unselected.
    edit.scrollTo = static_cast<int>(entries_.size()) - 1;
    edit.selection = -1;
    return edit;
}

FunctionListEdit FunctionList::remove(int selected) {
    FunctionListEdit edit;
    if (selected < 0 || static_cast<std::size_t>(selected) >= entries_.size()) return edit;
    entries_.erase(entries_.begin() + selected);
    edit.changed = true;
    edit.edited = true;
    edit.entryText = "";
    edit.selection = -1;
    return edit;
}

FunctionListEdit FunctionList::replace(int selected, std::string_view entryText, RewriteContext& ctx) {
    FunctionListEdit edit;
    if (entryText.empty() || selected < 0 || static_cast<std::size_t>(selected) >= entries_.size()) return edit;
    const std::string typed = removeBlanks(entryText);
    entries_[static_cast<std::size_t>(selected)] = shownForm(typed, heal(typed, ctx));
    edit.changed = true;
    edit.edited = true;
    edit.entryText = "";
    edit.selection = -1;
    return edit;
}

FunctionListEdit FunctionList::clear() {
    FunctionListEdit edit;
    edit.changed = edit.edited = !entries_.empty();
    entries_.clear();
    edit.selection = -1;
    return edit;
}

FunctionListEdit FunctionList::moveUp(int selected) {
    if (selected <= 0) return {};
    return swapWith(selected, selected - 1);
}

FunctionListEdit FunctionList::moveDown(int selected) {
    if (selected < 0) return {};
    return swapWith(selected, selected + 1);
}

FunctionListEdit FunctionList::swapWith(int selected, int neighbour) {
    const auto count = static_cast<int>(entries_.size());
    if (selected >= count || neighbour < 0 || neighbour >= count) return {};
    std::swap(entries_[static_cast<std::size_t>(selected)], entries_[static_cast<std::size_t>(neighbour)]);
    FunctionListEdit edit;
    edit.changed = true;
    edit.edited = true;
    edit.selection = neighbour;
    edit.entryText = removeBlanks(entries_[static_cast<std::size_t>(neighbour)]);
    edit.selectEntryText = true;
    return edit;
}

}  // namespace qv
