// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's location list: the search locations as a table, with a folder picture per row.
#pragma once

#include <QTableView>

class SearchLocationModel;

/// Rows show a folder (icon 15, searched) or a crossed-out folder (icon 16, excluded) before the
/// path; control characters in a path show as visible marks. A double-click anywhere in the list
/// is reported, also on its empty part; Enter asks to change the selected location and Delete to
/// remove it (the list takes these keys before any shortcut of the window does).
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
    void changeRequested();
    void removeRequested();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitPathColumn();

    int m_pathMinimum = 0;
};
