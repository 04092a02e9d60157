// Vessquen, the earlier edition: its menu folder "My Documents" under
// USERPROFILE, taken as it is, and the small editor window.
#pragma once

#include "Edition.h"
#include "ProgramVersions.h"

namespace vessquen_edition {

inline constexpr LayoutFont WindowFont{"MS Sans Serif", 9.75};
inline constexpr LayoutFont ButtonFont{"MS Sans Serif", 8.25};
inline constexpr LayoutFont ListFont{"Courier", 9.75};

using enum ControlKind;
using enum TextAlign;

inline constexpr ControlLayout Controls[] = {
    {Button, "cmdBut", ButNewMenu, "New Menu", 180, 120, 1935, 375, ButtonFont, 0},
    {List, "lstItems", -1, "", 180, 900, 1875, 3180, ListFont, 1},
    {TextBox, "txtName", -1, "", 4080, 660, 1635, 375, WindowFont, 2},
    {TextBox, "txtCook", -1, "", 4080, 1140, 1635, 375, WindowFont, 3},
    {TextBox, "txtDuty", -1, "0:00", 4080, 1620, 1635, 375, WindowFont, 4},
    {TextBox, "txtHold", -1, "0:00", 4080, 2100, 1635, 375, WindowFont, 5},
    {CheckBox, "chkComp", -1, "", 4080, 2580, 315, 255, WindowFont, 6},
    {Button, "cmdBut", ButSaveItem, "Save", 6180, 540, 1395, 495, ButtonFont, 7},
    {Button, "cmdBut", ButClearItem, "Clear", 6180, 1260, 1395, 495, ButtonFont, 8},
    {Button, "cmdBut", ButSaveMenu, "Save all Items to Menu File", 6180, 2100, 1395, 495,
     ButtonFont, 9},
    {Button, "cmdBut", ButGetMenu, "Get all Items from Menu File", 6180, 2820, 1395, 495,
     ButtonFont, 10},
    {Label, "Label1", -1, "Current Menu Items", 240, 600, 1815, 255, WindowFont, 11, Left},
    {Button, "cmdBut", ButQuit, "Quit", 6180, 3540, 1395, 495, ButtonFont, 12},
    {Label, "lblMenuItem", -1, "", 2580, 120, 3135, 315, WindowFont, 13, Center, true},
    {Label, "Label3", -1, "Cook Time", 2580, 1185, 1395, 255, WindowFont, 14, Right},
    {Label, "Label4", -1, "Shake Time", 2580, 1665, 1395, 255, WindowFont, 15, Right},
    {Label, "Label5", -1, "Hold Time", 2580, 2145, 1395, 255, WindowFont, 16, Right},
    {Label, "Label6", -1, "Compensation", 2580, 2580, 1395, 255, WindowFont, 17, Right},
    {Label, "Label7", -1, "Item Name", 2580, 705, 1395, 255, WindowFont, 18, Right},
    {Label, "Label2", -1, "Current Item", 6180, 180, 1395, 255, WindowFont, 19, Center},
};

inline constexpr LineLayout Lines[] = {
    {"Line1", 2340, 0, 2340, 4200},
    {"Line2", 5940, -60, 5940, 4200},
    {"Line3", 5940, 1920, 7800, 1920},
};

} // namespace vessquen_edition

inline constexpr Edition VessquenEdition{
    .WindowTitle = "Torvane/Bex Vessik Quenmark",
    .VersionSeparator = " - ",
    .CaptionVersion = vessquen_version::CaptionVersion,
    .MenuFolderRule = {"USERPROFILE", "My Documents"},
    .PrepareMenuFolder = false,
    .ResetFieldColors = false,
    .EditorLayout = {7800, 4200, vessquen_edition::WindowFont, vessquen_edition::Controls,
                     vessquen_edition::Lines},
    .FileVersion = vessquen_version::FileVersion,
    .ProductName = vessquen_version::ProductName,
};

static_assert(IsEditorLayout(VessquenEdition.EditorLayout), "the editor layout lacks a control");
