// Quenmark, the later edition: its menu folder DAVOVI in the home folder,
// prepared at start-up, and the large editor window.
#pragma once

#include "Edition.h"
#include "ProgramVersions.h"

namespace quenmark_edition {

inline constexpr LayoutFont WindowFont{"MS Sans Serif", 9.75};
inline constexpr LayoutFont ButtonFont{"MS Sans Serif", 12};
inline constexpr LayoutFont FieldFont{"MS Sans Serif", 13.5};
inline constexpr LayoutFont ListFont{"Courier", 15};

using enum ControlKind;
using enum TextAlign;

inline constexpr ControlLayout Controls[] = {
    {Button, "cmdBut", ButNewMenu, "New Menu", 180, 180, 2655, 735, ButtonFont, 0},
    {List, "lstItems", -1, "", 180, 1440, 2595, 3660, ListFont, 1},
    {TextBox, "txtName", -1, "", 5400, 780, 1995, 480, FieldFont, 2},
    {TextBox, "txtCook", -1, "", 5400, 1380, 1995, 480, FieldFont, 3},
    {TextBox, "txtDuty", -1, "0:00", 5400, 1980, 1995, 480, FieldFont, 4},
    {TextBox, "txtHold", -1, "0:00", 5400, 2580, 1995, 480, FieldFont, 5},
    {CheckBox, "chkComp", -1, "", 5460, 3300, 315, 255, FieldFont, 6},
    {Button, "cmdBut", ButSaveItem, "Save Item", 7860, 180, 2355, 675, ButtonFont, 7},
    {Button, "cmdBut", ButClearItem, "Clear Item", 7860, 1140, 2355, 675, ButtonFont, 8},
    {Button, "cmdBut", ButSaveMenu, "Save Menu to File", 7860, 2160, 2355, 675, ButtonFont, 9},
    {Button, "cmdBut", ButGetMenu, "Get Menu from File", 7860, 3120, 2355, 675, ButtonFont, 10},
    {Label, "Label1", -1, "Current Menu Items", 240, 1080, 2535, 375, FieldFont, 11, Left},
    {Button, "cmdBut", ButQuit, "Quit", 7860, 4560, 2355, 675, ButtonFont, 12},
    {Label, "lblMenuItem", -1, "", 3300, 180, 4095, 435, FieldFont, 13, Center, true},
    {Label, "Label3", -1, "Cook Time", 3300, 1425, 1935, 375, FieldFont, 14, Right},
    {Label, "Label4", -1, "Shake Time", 3300, 2025, 1935, 375, FieldFont, 15, Right},
    {Label, "Label5", -1, "Hold Time", 3300, 2625, 1935, 375, FieldFont, 16, Right},
    {Label, "Label6", -1, "Compensation", 3300, 3240, 1935, 375, FieldFont, 17, Right},
    {Label, "Label7", -1, "Item Name", 3300, 825, 1935, 375, FieldFont, 18, Right},
};

inline constexpr LineLayout Lines[] = {
    {"Line1", 3060, 0, 3060, 5340},
    {"Line2", 7620, 0, 7620, 5460},
    {"Line3", 7620, 1980, 10380, 1980},
};

} // namespace quenmark_edition

inline constexpr Edition QuenmarkEdition{
    .WindowTitle = "Quenmark",
    .VersionSeparator = " - v",
    .CaptionVersion = quenmark_version::CaptionVersion,
    .MenuFolderRule = {"HOME", "DAVOVI"},
    .PrepareMenuFolder = true,
    .ResetFieldColors = true,
    .EditorLayout = {10395, 5370, quenmark_edition::WindowFont, quenmark_edition::Controls,
                     quenmark_edition::Lines},
    .FileVersion = quenmark_version::FileVersion,
    .ProductName = quenmark_version::ProductName,
};

static_assert(IsEditorLayout(QuenmarkEdition.EditorLayout), "the editor layout lacks a control");
