// The fixed settings in which the two programs differ. Each program holds one
// Edition as a constant (editions/); the editor reads it at start-up, when the
// window loads and where a command resets the field colours, and nowhere asks
// which program it is.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

struct LayoutFont {
    std::string_view Face;
    double Points = 0;
};

enum class ControlKind { Button, List, TextBox, CheckBox, Label };
enum class TextAlign { Left, Center, Right };

// One control of a window: where it stands in the client area (twips), what it
// says and how it looks. Buttons of the array `cmdBut` carry their index.
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
    std::span<const LineLayout> Lines;
};

// Where the menu folder lies: a fixed drive-letter path ("c:\DAVOVI"), or,
// when there is none, the value of an environment variable, the system's
// separator and a folder name.
struct FolderRule {
    std::string_view Fixed = {};
    std::string_view Variable = {};
    std::string_view Folder = {};
};

struct Edition {
    std::string_view WindowTitle;
    std::string_view VersionSeparator;
    std::string_view CaptionVersion;
    FolderRule MenuFolderRule;
    // Test for the menu folder, create it when missing, and report start-up
    // errors; without it an unset variable counts as empty.
    bool PrepareMenuFolder = false;
    // Undo the red marks of a failed validation when an item is left, cleared
    // or replaced.
    bool ResetFieldColors = false;
    LayoutTable EditorLayout;
    std::string_view FileVersion;
    std::string_view ProductName;
};
