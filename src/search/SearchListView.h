// The main window's SearchList: the search locations as a table, with a folder picture per row.
#pragma once

#include <QTableView>

class SearchLocationModel;

/// Rows show a folder (icon 15, searched) or a crossed-out folder (icon 16, excluded) before the
/// path. A double-click anywhere in the list is reported, also on its empty part.
class SearchListView : public QTableView
{
    Q_OBJECT
public:
    explicit SearchListView(QWidget *parent = nullptr);

    void setLocationModel(SearchLocationModel *model);
    /// The selected row, or -1.
    int selectedRow() const;

Q_SIGNALS:
    void listDoubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
