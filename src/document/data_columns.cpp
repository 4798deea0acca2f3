#include "document/data_columns.h"

namespace qv {

void DataColumns::assign(int c, std::vector<std::string> items) {
    if (items.size() > kMaxDataItems) items.resize(kMaxDataItems);
    columns_[static_cast<std::size_t>(c)] = std::move(items);
}

}  // namespace qv
