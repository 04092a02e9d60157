// The chooser's three lists: drives, the folders of one drive opened down to
// the current folder, and the files of a folder that match a pattern. Each
// reports what the chooser reads (Drive, Path, List, ListIndex) and tells of a
// change or a click through a signal.
#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QTreeWidget>

// The mounted drives; Drive is the root of the chosen one.
class DriveListBox : public QComboBox
{
    Q_OBJECT

public:
    explicit DriveListBox(QWidget* parent = nullptr);

    QString Drive() const;
    // Chooses the drive that holds path (adding its volume when not listed);
    // Change follows when the choice differs.
    void SetDrive(const QString& path);

    // Volumes come and go: the list is read again each time it opens.
    void showPopup() override;

signals:
    void Change();

private:
    void Fill();
    void AddDrive(const QString& root);
};

// The folders from the drive's root down to Path, then Path's subfolders.
// A double click or Enter on a line opens that folder.
class DirListBox : public QTreeWidget
{
    Q_OBJECT

public:
    explicit DirListBox(QWidget* parent = nullptr);

    QString Path() const { return path_; }
    // Opens the folder, or its nearest existing ancestor; Change follows when
    // the folder differs. A folder that cannot be read shows no subfolders.
    void SetPath(const QString& path);

    int ListCount() const { return static_cast<int>(lines_.size()); }
    // The full path of line i, top to bottom.
    QString List(int i) const;

signals:
    void Change();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Every line is always open: no expand or collapse marks.
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}

private:
    void Refresh();
    void OpenLine(const QTreeWidgetItem* item);

    QString path_;
    QList<QTreeWidgetItem*> lines_;
};

// The names of the files in Path that match Pattern (patterns separated by
// ";"), sorted; hidden files are left out.
class FileListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit FileListBox(QWidget* parent = nullptr);

    QString Path() const { return path_; }
    void SetPath(const QString& path);
    QString Pattern() const { return pattern_; }
    void SetPattern(const QString& pattern);

    int ListCount() const { return count(); }
    QString List(int i) const;
    // The selected line, -1 when none. Setting it selects the line and clicks.
    int ListIndex() const;
    void SetListIndex(int index);

signals:
    // A line was chosen by the mouse, the keyboard or SetListIndex.
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void Refresh();

    QString path_;
    QString pattern_ = QStringLiteral("*");
    bool clickedBySelection_ = false;
};
