#pragma once

#include <QAbstractListModel>

namespace qv {

class DataColumns;

// One data column as a list model: a row an item, its text as the list
// shows it (shownItemText). The view asks only for the rows it shows, so a column of 32,767
// items costs no more than a short one.
class DataColumnModel : public QAbstractListModel {
    Q_OBJECT

public:
    DataColumnModel(const DataColumns& columns, int column, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The column gained one item at its end.
    void appended();
    // The column changed in any other way.
    void reset();
    // Items `first` to `last` changed their texts.
    void changed(int first, int last);

private:
    const DataColumns& columns_;
    int column_;
    int rows_ = 0;  // what the view was last told
};

}  // namespace qv
