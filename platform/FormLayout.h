// A window as data: the controls of one form with their rectangles in twips,
// captions, fonts and tab order, and its separator lines. The editor's two
// layouts and the dialogs' are tables of these; FormBuilder turns one into
// widgets.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// A face the window was drawn with; an empty face keeps the toolkit's own.
struct LayoutFont {
    std::string_view Face;
    double Points = 0;
};

// Custom controls are made by the form itself (the chooser's drive, folder and
// file lists); the builder places them like any other.
enum class ControlKind { Button, List, TextBox, CheckBox, Label, Custom };
enum class TextAlign { Left, Center, Right };

// One control of a window: where it stands in the client area (twips), what it
// says and how it looks. Buttons of the array `cmdBut` carry their index and
// are named cmdBut_<index>.
struct ControlLayout {
    ControlKind Kind = ControlKind::Label;
    std::string_view Name;
    std::int16_t Index = -1;
    std::string_view Caption;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    LayoutFont Font;
    int TabIndex = -1;
    TextAlign Align = TextAlign::Left;
    bool Border = false;
    // A label whose text breaks onto further lines where it is too wide.
    bool Wrap = false;
};

// A separator line from (X1, Y1) to (X2, Y2), twips; vertical or horizontal.
struct LineLayout {
    std::string_view Name;
    int X1 = 0;
    int Y1 = 0;
    int X2 = 0;
    int Y2 = 0;
};

struct LayoutTable {
    int ClientWidth = 0;
    int ClientHeight = 0;
    LayoutFont WindowFont;
    std::span<const ControlLayout> Controls;
    std::span<const LineLayout> Lines = {};
};

// A label and the control it names for screen readers: (label, control).
struct LabelFor {
    std::string_view Label;
    std::string_view Control;
};

// The number of controls of that name in the table (buttons of cmdBut by
// index), for checks made when the program is compiled.
constexpr int CountControls(const LayoutTable& table, std::string_view name, int index = -1)
{
    int count = 0;
    for (const ControlLayout& c : table.Controls)
        if (c.Name == name && c.Index == index)
            ++count;
    return count;
}

// True when the table holds exactly one control of that name, of that kind.
constexpr bool HasControl(const LayoutTable& table, std::string_view name, ControlKind kind)
{
    if (CountControls(table, name) != 1)
        return false;
    for (const ControlLayout& c : table.Controls)
        if (c.Name == name)
            return c.Kind == kind;
    return false;
}

// True when buttons 0 to count - 1 of cmdBut each appear exactly once and no
// other index does.
constexpr bool HasButtonArray(const LayoutTable& table, int count)
{
    int buttons = 0;
    for (const ControlLayout& c : table.Controls) {
        if (c.Kind != ControlKind::Button)
            continue;
        if (c.Index < 0 || c.Index >= count || CountControls(table, c.Name, c.Index) != 1)
            return false;
        ++buttons;
    }
    return buttons == count;
}
