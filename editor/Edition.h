// The fixed settings in which the two programs differ. Each program holds one
// Edition as a constant (editions/); the editor reads it at start-up, when the
// window loads and where a command resets the field colours, and nowhere asks
// which program it is.
#pragma once

#include "FormLayout.h"

#include <cstdint>
#include <string_view>

// The editor's command buttons, by their index in cmdBut.
enum EditorButton : std::int16_t {
    ButQuit,
    ButSaveMenu,
    ButGetMenu,
    ButSaveItem,
    ButClearItem,
    ButNewMenu,
    EditorButtonCount
};

// The label that names each field; the two layouts share these names.
inline constexpr LabelFor FieldLabels[] = {
    {"Label1", "lstItems"}, {"Label7", "txtName"}, {"Label3", "txtCook"},
    {"Label4", "txtDuty"},  {"Label5", "txtHold"}, {"Label6", "chkComp"},
};

// Whether a layout holds every control the editor works with, once and of the
// right kind; each edition checks its table with it when it is compiled.
constexpr bool IsEditorLayout(const LayoutTable& table)
{
    using enum ControlKind;
    for (const LabelFor& field : FieldLabels)
        if (!HasControl(table, field.Label, Label))
            return false;
    return HasButtonArray(table, EditorButtonCount) && HasControl(table, "lstItems", List) &&
           HasControl(table, "txtName", TextBox) && HasControl(table, "txtCook", TextBox) &&
           HasControl(table, "txtDuty", TextBox) && HasControl(table, "txtHold", TextBox) &&
           HasControl(table, "chkComp", CheckBox) && HasControl(table, "lblMenuItem", Label);
}

// Where the menu folder lies: the value of an environment variable, "/", and
// a folder name.
struct FolderRule {
    std::string_view Variable;
    std::string_view Folder;
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
