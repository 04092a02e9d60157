// The editor's list of the ten menu items: how the keyboard moves through it
// and how high its lines are.
#pragma once

#include <QListWidget>

// Its own keyboard move selects the new line twice, the second time after
// item selection may already have returned to the previous line; moving here
// selects once, just as choosing a line from code does. Rows are as high as
// the font and no higher than a tenth of the list.
class ItemList : public QListWidget
{
public:
    explicit ItemList(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
