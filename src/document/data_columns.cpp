#include "document/data_columns.h"

#include <utility>

#include "document/function_list.h"
#include "expression/evaluator.h"
#include "expression/number_text.h"

namespace qv {

namespace {

DataMessage invalidEntry() { return {kDataErrorTitle, kInvalidEntryText}; }

// The entry box after "Remove all spaces, rewrite with heal": what the box
// shows and what is evaluated.
std::string healedEntry(std::string_view entryText, RewriteContext& ctx) {
    const std::string typed = removeBlanks(entryText);
    return typed.empty() ? typed : heal(typed, ctx);
}

// The entry's value, or nothing when it fails or is no number.
std::optional<double> entryValue(const std::string& display, Evaluator& evaluator) {
    const EvalResult r = evaluator.eval(heal_2(display));
    return r.failed() ? std::nullopt : numericValue(r.value);
}

}  // namespace

std::optional<double> numericValue(const Value& v) {
    switch (v.kind) {
    case Value::Kind::Number:
    case Value::Kind::Boolean: return v.num;
    case Value::Kind::String: return toNumber(v.str);
    case Value::Kind::Empty: break;
    }
    return std::nullopt;
}

void DataColumns::assign(int c, std::vector<std::string> items) {
    if (items.size() > kMaxDataItems) items.resize(kMaxDataItems);
    columns_[static_cast<std::size_t>(c)] = std::move(items);
}

bool DataColumns::validItem(int item) const {
    return item >= 0 && static_cast<std::size_t>(item) < selectedColumn().size();
}

DataColumnEdit DataColumns::appendAnswer(const Value& answer) {
    DataColumnEdit edit;
    if (selectedColumn().size() >= kMaxDataItems) {
        edit.message = DataMessage{kDataErrorTitle, kColumnFullText};
        return edit;
    }
    selectedItems().push_back(answer.isNumber() ? strText(answer.num) : valueText(answer));
    edit.changed = true;
    edit.edited = true;
    edit.scrollTo = static_cast<int>(selectedColumn().size()) - 1;
    edit.selection = -1;
    return edit;
}

DataColumnEdit DataColumns::add(std::string_view entryText, RewriteContext& ctx, Evaluator& evaluator) {
    DataColumnEdit edit;
    edit.entryText = healedEntry(entryText, ctx);
    if (edit.entryText->empty()) return edit;
    const std::string form = heal_2(*edit.entryText);
    const EvalResult first = evaluator.eval(form);
    if (first.failed()) {
        edit.message = invalidEntry();
        return edit;
    }
    // A text or an unassigned name is not an entry, and is not worth a
    // message either: the user sees the rewritten text stay in the box.
    if (!numericValue(first.value)) return edit;
    if (selectedColumn().size() >= kMaxDataItems) {
        edit.message = DataMessage{kDataErrorTitle, kColumnFullText};
        return edit;
    }
    // The item is the value of a second evaluation, so an entry such as rnd
    // draws anew for the item it adds.
    const std::optional<double> value = entryValue(*edit.entryText, evaluator);
    if (!value) {
        edit.message = invalidEntry();
        return edit;
    }
    selectedItems().push_back(strText(*value));
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
    edit.selection = -1;
    edit.focusEntry = true;
    return edit;
}

DataColumnEdit DataColumns::replace(int item, std::string_view entryText, RewriteContext& ctx,
                                    Evaluator& evaluator) {
    if (!validItem(item)) return {};
    DataColumnEdit edit;
    edit.entryText = healedEntry(entryText, ctx);
    // An empty entry fails to evaluate like any other invalid one.
    const std::optional<double> value = entryValue(*edit.entryText, evaluator);
    if (!value) {
        edit.message = invalidEntry();
        return edit;
    }
    selectedItems()[static_cast<std::size_t>(item)] = strText(*value);
    edit.changed = true;
    edit.edited = true;
    edit.replot = true;
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
