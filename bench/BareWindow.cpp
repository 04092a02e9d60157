// The yardstick of the start-up benchmark: one window of the editor's size
// with as many controls of each kind as the editor window has (6 push
// buttons, a list of 10 lines, 4 line edits, a check box, 7 labels and 3
// lines), shown, and nothing else. It draws in the two faces the editor
// shows at the sizes it shows them: Liberation Sans at 12 points on the
// buttons and 13.5 elsewhere, Liberation Mono at 15 in the list. The
// application's font is set before any control is made, so no other face is
// ever loaded.
#include <QApplication>
#include <QCheckBox>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QFont text(QStringLiteral("Liberation Sans"));
    text.setPointSizeF(13.5);
    QApplication::setFont(text);
    QFont buttons = text;
    buttons.setPointSizeF(12);
    QFont list(QStringLiteral("Liberation Mono"));
    list.setPointSizeF(15);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(693, 358);

    for (int i = 0; i < 6; ++i) {
        auto* button = new QPushButton(QStringLiteral("Button %1").arg(i), &window);
        button->setFont(buttons);
        button->setGeometry(i < 2 ? 12 : 524, i < 2 ? 12 + i * 300 : 12 + (i - 2) * 64, 157, 45);
    }
    auto* items = new QListWidget(&window);
    items->setFont(list);
    items->setGeometry(12, 96, 173, 244);
    for (int i = 1; i <= 10; ++i)
        items->addItem(QString::number(i));
    for (int i = 0; i < 4; ++i)
        (new QLineEdit(&window))->setGeometry(360, 52 + i * 40, 133, 32);
    (new QCheckBox(&window))->setGeometry(364, 220, 21, 17);
    for (int i = 0; i < 7; ++i)
        (new QLabel(QStringLiteral("Label %1").arg(i), &window))
            ->setGeometry(220, 12 + i * 40, 129, 25);
    for (int i = 0; i < 3; ++i) {
        auto* line = new QFrame(&window);
        line->setFrameShape(i < 2 ? QFrame::VLine : QFrame::HLine);
        line->setGeometry(i == 0 ? 204 : 508, i < 2 ? 0 : 132, i < 2 ? 1 : 184, i < 2 ? 358 : 1);
    }

    window.show();
    return QApplication::exec();
}
