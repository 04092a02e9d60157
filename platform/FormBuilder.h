// Turns a layout table into the widgets of a form: every control placed in
// twips with its caption and font, buttons into the form's cmdBut array, the
// tab order of the table, the separator lines and the client size. The
// editor window and both dialogs are built by it.
#pragma once

#include "FormLayout.h"
#include "StringBridge.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <span>
#include <string_view>

class QPushButton;

// Makes a control the form wants of its own class, or returns nullptr for the
// builder's plain one. Custom controls must be made here.
using ControlMaker = std::function<QWidget*(const ControlLayout& control, QWidget* form)>;

// Builds `table` on `form`, filling cmdBut by index. Fails with what is wrong
// with the table: a button index outside cmdBut, a button missing, a custom
// control nobody made.
Result<> BuildForm(QWidget* form, const LayoutTable& table, std::span<QPushButton*> cmdBut,
                   const ControlMaker& make = {});

// The control of that name and class on the form, nullptr when there is none.
template <class T> T* FindControl(const QWidget* form, std::string_view name)
{
    return form->findChild<T*>(ToQString(name));
}

// Makes each label the buddy of its control and gives the control the label's
// text as its name for screen readers. Fails with the label or control that
// is missing.
Result<> NameAfterLabels(QWidget* form, std::span<const LabelFor> labels);
