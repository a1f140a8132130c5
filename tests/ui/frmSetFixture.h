#pragma once

#include "app/frmMain.h"
#include "settings/GameSettings.h"
#include "support/ScriptedPlatform.h"
#include "support/TableFolder.h"
#include "ui/settings/ChoiceBox.h"
#include "ui/settings/frmSet.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

// A table in a folder of its own holding img0.gif..img9.gif (each a distinct colour, so a test can
// tell which file a picture shows), and the settings dialog opened from its menu.
class SettingsDialogTest : public ::testing::Test {
protected:
    SettingsDialogTest();
    ~SettingsDialogTest() override;

    // Four seats of six named ones, pictures 1..6, seats 1 and 3 the computer's; no rule option.
    static SettingsRecord playable();
    // Puts the settings in place and opens the dialog through the menu; warnings start empty.
    void open(const SettingsRecord& settings = playable());
    // Runs the deletion of a closed dialog; true when it is gone.
    bool closed();

    template <typename Control = QWidget>
    Control* find(const QString& name) const
    {
        Control* control = dialog->findChild<Control*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    QLineEdit* edit(const QString& name) const { return find<QLineEdit>(name); }
    ChoiceBox* box(const QString& name) const { return find<ChoiceBox>(name); }
    QCheckBox* tick(const QString& name) const { return find<QCheckBox>(name); }
    static QString seat(const char* name, int i) { return QString::fromLatin1(name) + '_' + QString::number(i); }

    // The player's actions: choosing a list item from the open list, clicking, typing.
    void choose(const QString& boxName, const QString& item);
    void click(const QString& buttonName);
    void type(const QString& fieldName, const QString& text);  // replaces the text, key by key

    // "img3.gif" for the picture a label shows, "(none)" for none.
    QString shownPicture(const QLabel* label) const;
    // A settings file with a DiceGame section of the given lines, CP932, CR LF.
    QString iniFile(const QString& name, const QStringList& lines) const;
    void load(const QString& path);
    // The warnings shown since the last call, as one line "a | b" that a failure prints readably.
    std::string takeWarnings();
    static std::string said(const QStringList& warnings);

    ScriptedPlatform platform;
    TableFolder folder;
    std::unique_ptr<frmMain> table;
    QPointer<frmSet> dialog;
};
