#include "FormBuilder.h"

#include "Fonts.h"
#include "FormControls.h"
#include "Twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The alignment is across the label only; every label's text starts at its top.
Qt::Alignment ToAlignment(TextAlign align)
{
    switch (align) {
    case TextAlign::Center:
        return Qt::AlignHCenter | Qt::AlignTop;
    case TextAlign::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case TextAlign::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

QWidget* MakePlainControl(const ControlLayout& c, QWidget* form)
{
    const QString caption = ToQString(c.Caption);
    switch (c.Kind) {
    case ControlKind::Button: {
        auto* button = new CommandButton(caption, form);
        button->setAccessibleName(caption);
        return button;
    }
    case ControlKind::List:
        return new QListWidget(form);
    case ControlKind::TextBox:
        return new QLineEdit(caption, form);
    case ControlKind::CheckBox:
        return new QCheckBox(caption, form);
    case ControlKind::Label: {
        auto* label = new QLabel(caption, form);
        label->setAlignment(ToAlignment(c.Align));
        label->setWordWrap(c.Wrap);
        if (c.Border) {
            label->setFrameShape(QFrame::Box);
            label->setFrameShadow(QFrame::Plain);
            label->setLineWidth(1);
        }
        return label;
    }
    case ControlKind::Custom:
        break;
    }
    return nullptr;
}

void AddLine(QWidget* form, const LineLayout& l)
{
    auto* line = new SeparatorLine(form);
    line->setObjectName(ToQString(l.Name));
    const bool vertical = l.X1 == l.X2;
    line->setFrameShape(vertical ? QFrame::VLine : QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    // One pixel across, the line's length along.
    line->setGeometry(TwipsToPixels(std::min(l.X1, l.X2)), TwipsToPixels(std::min(l.Y1, l.Y2)),
                      vertical ? 1 : TwipsToPixels(std::abs(l.X2 - l.X1)),
                      vertical ? TwipsToPixels(std::abs(l.Y2 - l.Y1)) : 1);
    line->lower();
}

} // namespace

Result<> BuildForm(QWidget* form, const LayoutTable& table, std::span<QPushButton*> cmdBut,
                   const ControlMaker& make)
{
    SetClientSizeTwips(form, table.ClientWidth, table.ClientHeight);

    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlLayout& c : table.Controls) {
        const bool isButton = c.Kind == ControlKind::Button;
        if (isButton && (c.Index < 0 || static_cast<std::size_t>(c.Index) >= cmdBut.size()))
            return Failure{std::string(c.Name) + " index " + std::to_string(c.Index) +
                           " out of range in the layout"};
        QWidget* widget = make ? make(c, form) : nullptr;
        if (!widget)
            widget = MakePlainControl(c, form);
        if (!widget)
            return Failure{"nothing makes " + std::string(c.Name) + " in the layout"};
        if (isButton) {
            widget->setObjectName(ToQString(c.Name) + QStringLiteral("_%1").arg(c.Index));
            cmdBut[static_cast<std::size_t>(c.Index)] = qobject_cast<QPushButton*>(widget);
        } else {
            widget->setObjectName(ToQString(c.Name));
        }
        if (!c.Font.Face.empty())
            widget->setFont(
                DesignFont(ToQString(c.Font.Face), c.Font.Points, c.Kind == ControlKind::List));
        widget->setGeometry(TwipsRect(c.Left, c.Top, c.Width, c.Height));
        if (c.Kind != ControlKind::Label)
            tabOrder.emplace_back(c.TabIndex, widget);
    }
    if (std::count(cmdBut.begin(), cmdBut.end(), nullptr) != 0)
        return Failure{"the layout lacks a button"};

    for (const LineLayout& l : table.Lines)
        AddLine(form, l);

    // Set once the controls have their own fonts: a text box lays out its
    // text as it is made, and every font it sees then is looked up and loaded,
    // though where every control has its own face none draws with this one.
    if (!table.WindowFont.Face.empty())
        form->setFont(DesignFont(ToQString(table.WindowFont.Face), table.WindowFont.Points));

    std::stable_sort(tabOrder.begin(), tabOrder.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    return {};
}

Result<> NameAfterLabels(QWidget* form, std::span<const LabelFor> labels)
{
    for (const LabelFor& pair : labels) {
        auto* label = FindControl<QLabel>(form, pair.Label);
        auto* control = FindControl<QWidget>(form, pair.Control);
        if (!label || !control)
            return Failure{"the layout lacks " + std::string(pair.Control) + " or its label " +
                           std::string(pair.Label)};
        label->setBuddy(control);
        control->setAccessibleName(label->text());
    }
    return {};
}
