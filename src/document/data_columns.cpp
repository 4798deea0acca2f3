#include "document/data_columns.h"

#include <atomic>
#include <utility>

#include "document/function_list.h"
#include "expression/evaluator.h"
#include "expression/number_text.h"
#include "expression/user_text.h"

namespace qv {

namespace {

// Stamps are handed out once each, to every document of the process; a
// column's items take a run of them at once.
std::atomic<uint64_t> g_nextStamp{1};
uint64_t newStamps(std::size_t count) { return g_nextStamp.fetch_add(count, std::memory_order_relaxed); }
uint64_t newStamp() { return newStamps(1); }

DataMessage invalidEntry() {
    return {userText("qv::Texts", kDataErrorTitle), userText("qv::Texts", kInvalidEntryText)};
}

// The entry box after "Remove all spaces, rewrite with heal".
struct Entry {
    std::string shown;  // what the box shows: the display form, or the typed text heal could not restore
    std::string form;   // the evaluation form, when heal restored the text
    bool empty = false;
    bool told = false;  // heal showed its parenthesis message
    std::optional<double> value;
};

Entry readEntry(std::string_view entryText, RewriteContext& ctx, Evaluator& evaluator) {
    Entry entry;
    const std::string typed = removeBlanks(entryText);
    entry.empty = typed.empty();
    if (entry.empty) return entry;
    std::string display;
    {
        FirstFormulaError told(ctx, FirstFormulaError::Mode::PassOn);
        display = heal(typed, ctx);
        entry.told = told.first().has_value();
    }
    entry.shown = shownForm(typed, display);
    // A marker heal left behind is no number, whatever it would evaluate to.
    if (!healedCleanly(display)) return entry;
    entry.form = heal_2(display);
    entry.value = listNumber(entry.form, evaluator);
    return entry;
}

// The message for an entry that is no number: none when heal has said why.
std::optional<DataMessage> refusal(const Entry& entry) {
    if (entry.told) return std::nullopt;
    return invalidEntry();
}

}  // namespace

std::optional<double> listNumber(std::string_view form, Evaluator& evaluator) {
    const EvalResult r = evaluator.eval(form);
    if (r.failed() || !(r.value.isNumber() || r.value.isBoolean())) return std::nullopt;
    // The evaluator reads z as the script variable; no function or constant
    // name holds the letter, so any z in the form is that variable.
    if (form.find_first_of("zZ") != std::string_view::npos) return std::nullopt;
    if (!evaluator.unsetNames(form).empty()) return std::nullopt;
    return r.value.num;
}

std::string itemText(double value) {
    // Negative zero is zero, and takes the blank as zero does.
    if (value == 0.0) return " 0";
    const std::string text = roundTripText(value);
    return value > 0.0 ? " " + text : text;
}

std::string shownItemText(const std::string& item) {
    const std::optional<double> value = toNumber(item);
    if (value && itemText(*value) == item) return strText(*value);
    return item;
}

void DataColumns::assign(int c, std::vector<std::string> items) {
    if (items.size() > kMaxDataItems) items.resize(kMaxDataItems);
    const std::size_t k = static_cast<std::size_t>(c);
    // An item whose text stays the same at its place keeps its stamp.
    const std::vector<std::string>& before = columns_[k];
    std::vector<uint64_t>& stamps = itemStamps_[k];
    stamps.resize(items.size());
    uint64_t next = newStamps(items.size());
    for (std::size_t i = 0; i < items.size(); ++i, ++next) {
        if (i >= before.size() || before[i] != items[i]) stamps[i] = next;
    }
    columns_[k] = std::move(items);
    stamps_[k] = newStamp();
}

std::vector<std::string>& DataColumns::selectedItems() {
    stamps_[static_cast<std::size_t>(selected_)] = newStamp();
    return columns_[static_cast<std::size_t>(selected_)];
}

bool DataColumns::validItem(int item) const {
    return item >= 0 && static_cast<std::size_t>(item) < selectedColumn().size();
}

DataColumnEdit DataColumns::appendAnswer(const Value& answer) {
    DataColumnEdit edit;
    if (!answer.isNumber() && !answer.isBoolean()) {
        edit.message = invalidEntry();
        return edit;
    }
    if (selectedColumn().size() >= kMaxDataItems) {
        edit.message = DataMessage{userText("qv::Texts", kDataErrorTitle), userText("qv::Texts", kColumnFullText)};
        return edit;
    }
    selectedItems().push_back(itemText(answer.num));
    selectedItemStamps().push_back(newStamp());
    edit.changed = true;
    edit.edited = true;
    edit.scrollTo = static_cast<int>(selectedColumn().size()) - 1;
    edit.selection = -1;
    return edit;
}

DataColumnEdit DataColumns::add(std::string_view entryText, RewriteContext& ctx, Evaluator& evaluator) {
    DataColumnEdit edit;
    const Entry entry = readEntry(entryText, ctx, evaluator);
    edit.entryText = entry.shown;
    if (entry.empty) return edit;
    if (!entry.value) {
        edit.message = refusal(entry);
        return edit;
    }
    if (selectedColumn().size() >= kMaxDataItems) {
        edit.message = DataMessage{userText("qv::Texts", kDataErrorTitle), userText("qv::Texts", kColumnFullText)};
        return edit;
    }
    // The item is the value of a second evaluation, so an entry such as rnd
    // draws anew for the item it adds.
    const std::optional<double> value = listNumber(entry.form, evaluator);
    if (!value) {
        edit.message = invalidEntry();
        return edit;
    }
    selectedItems().push_back(itemText(*value));
    selectedItemStamps().push_back(newStamp());
    edit.changed = true;
    edit.edited = true;
    edit.entryText = "";
    edit.focusEntry = true;
    // Selected for a moment so the list scrolls to it, then left unselected.
    edit.scrollTo = static_cast<int>(selectedColumn().size()) - 1;
    edit.selection = -1;
    edit.defaultButton = DataDefaultButton::AddToList;
    return edit;
}

DataColumnEdit DataColumns::remove(int item) {
    if (!validItem(item)) return {};
    selectedItems().erase(selectedItems().begin() + item);
    selectedItemStamps().erase(selectedItemStamps().begin() + item);
    DataColumnEdit edit;
    edit.changed = true;
    edit.edited = true;
    edit.entryText = "";
    edit.selection = -1;
    return edit;
}

DataColumnEdit DataColumns::clear() {
    DataColumnEdit edit;
    edit.changed = edit.edited = !selectedColumn().empty();
    selectedItems().clear();
    selectedItemStamps().clear();
    edit.selection = -1;
    edit.focusEntry = true;
    return edit;
}

DataColumnEdit DataColumns::replace(int item, std::string_view entryText, RewriteContext& ctx,
                                    Evaluator& evaluator) {
    if (!validItem(item)) return {};
    DataColumnEdit edit;
    const Entry entry = readEntry(entryText, ctx, evaluator);
    edit.entryText = entry.shown;
    // An empty entry is refused like any other that is no number.
    if (!entry.value) {
        edit.message = refusal(entry);
        return edit;
    }
    selectedItems()[static_cast<std::size_t>(item)] = itemText(*entry.value);
    selectedItemStamps()[static_cast<std::size_t>(item)] = newStamp();
    edit.changed = true;
    edit.edited = true;
    edit.entryText = "";
    edit.selection = -1;
    edit.defaultButton = DataDefaultButton::AddToList;
    return edit;
}

DataColumnEdit DataColumns::moveUp(int item) {
    if (item <= 0) return {};
    return swapWith(item, item - 1);
}

DataColumnEdit DataColumns::moveDown(int item) {
    if (item < 0) return {};
    return swapWith(item, item + 1);
}

DataColumnEdit DataColumns::swapWith(int item, int neighbour) {
    if (!validItem(item) || !validItem(neighbour)) return {};
    std::vector<std::string>& items = selectedItems();
    std::swap(items[static_cast<std::size_t>(item)], items[static_cast<std::size_t>(neighbour)]);
    std::vector<uint64_t>& stamps = selectedItemStamps();
    std::swap(stamps[static_cast<std::size_t>(item)], stamps[static_cast<std::size_t>(neighbour)]);
    DataColumnEdit edit;
    edit.changed = true;
    edit.edited = true;
    edit.selection = neighbour;
    edit.entryText = removeBlanks(items[static_cast<std::size_t>(neighbour)]);
    edit.selectEntryText = true;
    return edit;
}

DataColumnEdit DataColumns::clickItem(int item) const {
    if (!validItem(item)) return {};
    DataColumnEdit edit;
    edit.entryText = removeBlanks(selectedColumn()[static_cast<std::size_t>(item)]);
    edit.selectEntryText = true;
    edit.focusEntry = true;
    edit.defaultButton = DataDefaultButton::ReplaceData;
    return edit;
}

}  // namespace qv
