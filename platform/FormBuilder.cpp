#include "FormBuilder.h"

#include "Fonts.h"
#include "FormControls.h"
#include "Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>
#include <cstdlib>
#include <optional>
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

// A text box lays out its text twice as it is made: in the application's font,
// whatever its parent's, and then in the font it inherits from its parent. Each
// font laid out is looked up and loaded, though only the text box's own is ever
// shown. So while a form's text boxes are made, the application's font is
// theirs; the old one is back once the form is built.
class TextBoxFont
{
public:
    TextBoxFont() = default;
    TextBoxFont(const TextBoxFont&) = delete;
    TextBoxFont& operator=(const TextBoxFont&) = delete;
    ~TextBoxFont()
    {
        if (saved_)
            QApplication::setFont(*saved_);
    }

    void Use(const QFont& font)
    {
        if (QApplication::font() == font)
            return;
        if (!saved_)
            saved_ = QApplication::font();
        QApplication::setFont(font);
    }

private:
    std::optional<QFont> saved_;
};

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

    // Each control is made while the form's font is the control's own, the
    // font it then inherits.
    const QFont formFont = form->font();
    TextBoxFont textBoxFont;
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlLayout& c : table.Controls) {
        const bool isButton = c.Kind == ControlKind::Button;
        if (isButton && (c.Index < 0 || static_cast<std::size_t>(c.Index) >= cmdBut.size()))
            return Failure{std::string(c.Name) + " index " + std::to_string(c.Index) +
                           " out of range in the layout"};
        std::optional<QFont> font;
        if (!c.Font.Face.empty()) {
            font = DesignFont(ToQString(c.Font.Face), c.Font.Points, c.Kind == ControlKind::List);
            form->setFont(*font);
            if (c.Kind == ControlKind::TextBox)
                textBoxFont.Use(*font);
        }
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
        if (font)
            widget->setFont(*font);
        widget->setGeometry(TwipsRect(c.Left, c.Top, c.Width, c.Height));
        if (c.Kind != ControlKind::Label)
            tabOrder.emplace_back(c.TabIndex, widget);
    }
    if (std::count(cmdBut.begin(), cmdBut.end(), nullptr) != 0)
        return Failure{"the layout lacks a button"};

    for (const LineLayout& l : table.Lines)
        AddLine(form, l);

    // Set once the controls have their own fonts: where every control has its
    // own face, none draws with this one, and so it is never loaded.
    form->setFont(table.WindowFont.Face.empty()
                      ? formFont
                      : DesignFont(ToQString(table.WindowFont.Face), table.WindowFont.Points));

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
