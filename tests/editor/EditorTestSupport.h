// Driving the real editor window from tests: start-up with a made-up
// environment, the window's controls by name, choosing list lines with the
// mouse, typing and pressing buttons. Every test ends with the editor closed,
// no window left and the process-wide state back to its start.
#pragma once

#include "Edition.h"
#include "Startup.h"
#include "StringBridge.h"
#include "frmOpening.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <string>

// The form's own procedures, for the tests that call them directly.
struct frmOpening::TestAccess {
    frmOpening& form;
    void FieldSetup(std::int16_t what) { form.FieldSetup(what); }
    void ButtonSetup(std::int16_t what) { form.ButtonSetup(what); }
    void SetupOpeningForm(std::int16_t how) { form.SetupOpeningForm(how); }
    bool ItemGetFromMemory(std::int16_t menitem) { return form.ItemGetFromMemory(menitem); }
    bool ValidateItemEntries() { return form.ValidateItemEntries(); }
};

namespace editor_testing {

EnvironmentLookup FakeEnvironment(std::map<std::string, std::string> values);

// The name the window gives the control of a layout table line.
inline QString ObjectName(const ControlLayout& c)
{
    const QString name = ToQString(c.Name);
    return c.Kind == ControlKind::Button ? name + QStringLiteral("_%1").arg(c.Index) : name;
}

// The editor's messages as the operator reads them.
inline const QString InvalidEntries = QStringLiteral("\r\nInvalid Entry(s).");
inline const QString ClearQuestion =
    QStringLiteral("\r\nAre you sure you want to\r\nclear ALL Item information ?");
inline const QString GetQuestion = QStringLiteral(
    "\r\nALL Current Item Information\r\nwill be deleted. Do you want to continue ?");
inline const QString QuitQuestion =
    QStringLiteral("\r\nThe menu has changes not saved to a file.\r\nQuit anyway ?");
inline QString ChangeQuestion(int item)
{
    return QStringLiteral("\r\nYou are changing Menu Items.\r\nDo you want to save Item %1 "
                          "information?")
        .arg(item);
}

// Expects the last request the editor made of the message dialog.
void ExpectRequest(std::int16_t style, std::uint32_t color, const QString& text);

// Names the instance of a test that runs with each edition.
inline std::string EditionName(const ::testing::TestParamInfo<const Edition*>& info)
{
    return std::string(info.param->ProductName);
}

// Closes what is left, unsaved changes and all, drops queued dialog answers
// and checks that no top-level window remains.
void CloseEverything();

class EditorTest : public ::testing::Test
{
protected:
    void TearDown() override;

    // Starts the program of `edition` with HOME (and USERPROFILE) pointing
    // into a fresh temporary folder, and the menu file of its command line.
    void Start(const Edition& edition, const QString& menuFile = {});

    QListWidget* List() const;
    QLineEdit* Field(const char* name) const;
    QLineEdit* Name() const { return Field("txtName"); }
    QLineEdit* Cook() const { return Field("txtCook"); }
    QLineEdit* Duty() const { return Field("txtDuty"); }
    QLineEdit* Hold() const { return Field("txtHold"); }
    QCheckBox* Comp() const;
    QPushButton* Button(int index) const;
    QLabel* Caption() const;
    QStringList ListLines() const;
    // The fields as an empty item shows them: no name and no cook time, 0:00
    // shake and hold, compensation on.
    void ExpectEmptyFields() const;

    // The operator's actions.
    void ChooseLine(int row);
    void Press(int index);
    void Type(QLineEdit* field, const QString& text);
    void Retype(QLineEdit* field, const QString& text);
    // Types a whole item into the fields of the chosen line (not stored).
    void TypeItem(const QString& name, const QString& cook, const QString& duty,
                  const QString& hold);

    // Queues a press of `caption` on the next dialog; the request the editor
    // made stays in MsgStyle, MsgColor and MsgText for the test to check.
    void Answer(const QString& caption);
    // Queues the chooser: types `name` and presses OK, or Cancel when empty.
    void AnswerChooser(const QString& name);
    // Expects the platform's critical box with exactly this text, and a
    // reason below it, and presses its OK.
    void AnswerFileError(const QString& text);

    frmOpening::TestAccess Form() const { return {*window}; }

    QPointer<frmOpening> window;
    QTemporaryDir home;
    QString menuFolder() const;
};

} // namespace editor_testing
