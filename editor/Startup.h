// Program start-up: FileData, the menu folder, and the editor window, for the
// edition the program was built with.
#pragma once

#include "Edition.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class frmOpening;

// The value of an environment variable, nullopt when it is unset.
using EnvironmentLookup = std::function<std::optional<std::string>(std::string_view name)>;
std::optional<std::string> ProcessEnvironment(std::string_view name);

// Zeroes FileData, sets MenuFolder by the edition's rule (testing for the
// folder and creating it when the edition prepares it) and shows the editor
// window, modeless; then reads `menuFile`, when one is named, as Get Menu
// from File does. Returns the window, or nullptr when start-up failed; the
// failure has then been shown as "Initialization Error #" and its reason.
frmOpening* Startup(const Edition& edition,
                    const EnvironmentLookup& environment = ProcessEnvironment,
                    const QString& menuFile = {});

// What the whole process shares, set once before any window opens: the roles
// screen readers are told for the editor and its lines, and the faces that
// stand in for the layouts' fonts.
void SetUpProcess();

// The editor's and the dialogs' process-wide state as a fresh program has it.
void ResetEditorState();

// The whole program: its command line, start-up, then the event loop until
// the editor closes.
int RunEdition(const Edition& edition, int argc, char** argv);
