#include "platform/QtPlatform.h"

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// What the player sees in a real file dialog: its filters, its folder and the name it offers.
struct Shown {
    QStringList filters;
    QString folder;
    QStringList files;
};

// Opens the real dialog, notes what it shows, and cancels it as the player would.
template <typename OpenDialog>
Shown showAndCancel(OpenDialog openDialog)
{
    Shown shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QFileDialog*>(window);
            if (dialog && dialog->isVisible()) {
                shown = {dialog->nameFilters(), dialog->directory().path(), dialog->selectedFiles()};
                dialog->reject();
            }
        }
    });
    poll.start(10);
    const std::optional<QString> chosen = openDialog();
    EXPECT_FALSE(chosen.has_value());
    return shown;
}

TEST(QtPlatformFileDialog, StartsAtThePresetFileAndShowsEachPatternOnce)
{
    const struct {
        QString filter;
        QString preset;
        QString shown;
    } cases[] = {
        {"設定(*.ini)|*.ini", "dice.ini", "設定(*.ini)"},
        {"テキスト|*.txt", "Help1.txt", "テキスト (*.txt)"},
    };
    QTemporaryDir folder;
    QtPlatform real;
    for (const auto& c : cases) {
        const QString preset = folder.filePath(c.preset);
        const Shown saving = showAndCancel([&] { return real.saveFileName(nullptr, preset, c.filter); });
        const Shown opening = showAndCancel([&] { return real.openFileName(nullptr, preset, c.filter); });
        for (const Shown& shown : {saving, opening}) {
            EXPECT_EQ(shown.filters, QStringList{c.shown}) << c.filter.toStdString();
            EXPECT_EQ(shown.folder, folder.path());
            EXPECT_EQ(shown.files, QStringList{preset});
        }
    }
}

}  // namespace
