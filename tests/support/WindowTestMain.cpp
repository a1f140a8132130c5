#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Every test program runs with one application object on the offscreen platform, so that the
// window tests build real windows without a display. The player's own settings (the table's zoom)
// go to a folder of the run, never to the user's.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QTemporaryDir playerSettings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, playerSettings.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
