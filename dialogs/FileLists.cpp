#include "FileLists.h"

#include "FormControls.h"
#include "PlatformPaths.h"

#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QStyle>

namespace {

constexpr int PathRole = Qt::UserRole;

} // namespace

DriveListBox::DriveListBox(QWidget* parent) : QComboBox(parent)
{
    Fill();
    connect(this, &QComboBox::currentIndexChanged, this, [this] { emit Change(); });
}

void DriveListBox::Fill()
{
    const QString current = Drive();
    const QSignalBlocker quiet(this);
    clear();
    for (const QString& root : DriveRoots())
        AddDrive(root);
    if (!current.isEmpty()) {
        if (findData(current) < 0)
            AddDrive(current);
        setCurrentIndex(findData(current));
    }
}

void DriveListBox::AddDrive(const QString& root)
{
    // Shown as the system writes it ("C:\"), kept in Qt's form.
    addItem(QDir::toNativeSeparators(root), root);
}

QString DriveListBox::Drive() const
{
    return currentData().toString();
}

void DriveListBox::SetDrive(const QString& path)
{
    const QString root = DriveOfPath(path);
    int index = findData(root);
    if (index < 0) {
        const QSignalBlocker quiet(this);
        AddDrive(root);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

void DriveListBox::showPopup()
{
    Fill();
    QComboBox::showPopup();
}

DirListBox::DirListBox(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { OpenLine(item); });
}

QString DirListBox::List(int i) const
{
    if (i < 0 || i >= lines_.size())
        return {};
    return lines_[i]->data(0, PathRole).toString();
}

void DirListBox::SetPath(const QString& path)
{
    const QString folder = NearestExistingFolder(path);
    if (folder == path_)
        return;
    path_ = folder;
    Refresh();
    emit Change();
}

void DirListBox::Refresh()
{
    clear();
    lines_.clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);

    // The drive's root, then each folder down to the current one.
    const QString root = DriveOfPath(path_);
    auto* line = new QTreeWidgetItem(this, QStringList{QDir::toNativeSeparators(root)});
    line->setData(0, PathRole, root);
    line->setIcon(0, open);
    lines_ << line;
    QString folder = root;
    const QString below = path_.mid(root.size());
    for (const QString& name : below.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        folder = QDir(folder).filePath(name);
        line = new QTreeWidgetItem(line, QStringList{name});
        line->setData(0, PathRole, folder);
        line->setIcon(0, open);
        lines_ << line;
    }
    QTreeWidgetItem* current = line;

    // An unreadable folder simply lists nothing.
    const QDir dir(path_);
    const QStringList subfolders =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subfolders) {
        auto* sub = new QTreeWidgetItem(current, QStringList{name});
        sub->setData(0, PathRole, dir.filePath(name));
        sub->setIcon(0, closed);
        lines_ << sub;
    }
    expandAll();
    setCurrentItem(current);
    scrollToItem(current);
}

void DirListBox::OpenLine(const QTreeWidgetItem* item)
{
    if (item)
        SetPath(item->data(0, PathRole).toString());
}

void DirListBox::keyPressEvent(QKeyEvent* event)
{
    if (IsEnterKey(event)) {
        OpenLine(currentItem());
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (ListIndex() < 0)
            return;
        clickedBySelection_ = true;
        emit Click();
    });
    // Clicking the line already chosen clicks again (to restore a name edited
    // since), but a click that chose a new line has clicked already.
    connect(this, &QListWidget::itemClicked, this, [this] {
        if (!clickedBySelection_)
            emit Click();
        clickedBySelection_ = false;
    });
}

void FileListBox::mousePressEvent(QMouseEvent* event)
{
    clickedBySelection_ = false;
    QListWidget::mousePressEvent(event);
}

void FileListBox::SetPath(const QString& path)
{
    path_ = path;
    Refresh();
}

void FileListBox::SetPattern(const QString& pattern)
{
    pattern_ = pattern;
    Refresh();
}

QString FileListBox::List(int i) const
{
    const QListWidgetItem* line = item(i);
    return line ? line->text() : QString();
}

int FileListBox::ListIndex() const
{
    const auto selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

void FileListBox::SetListIndex(int index)
{
    if (index < 0 || index >= count()) {
        clearSelection();
        return;
    }
    clickedBySelection_ = false;
    setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    if (!clickedBySelection_)
        emit Click();
    clickedBySelection_ = false;
}

void FileListBox::Refresh()
{
    clear();
    if (path_.isEmpty())
        return;
    QDir::Filters filters = QDir::Files;
    if (FileNamesCaseSensitive(path_))
        filters |= QDir::CaseSensitive;
    const QStringList patterns = pattern_.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    // An unreadable or missing folder simply lists nothing.
    addItems(QDir(path_).entryList(patterns, filters, QDir::Name | QDir::IgnoreCase));
}

#include "moc_FileLists.cpp"
