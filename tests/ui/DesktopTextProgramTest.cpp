#include "platform/DesktopTextProgram.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A desktop of its own in a temporary folder: its settings and applications folders, and nothing
// of the machine's desktop but the PATH that finds the shell tools.
class TextProgramDesktop : public ::testing::Test {
protected:
    TextProgramDesktop()
    {
        for (const char* name : {"config", "data/applications", "home"})
            QDir(root.path()).mkpath(QString::fromLatin1(name));
        environment.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
        environment.insert(QStringLiteral("HOME"), root.filePath(QStringLiteral("home")));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_CONFIG_DIRS"), root.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), root.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_DATA_DIRS"), root.filePath(QStringLiteral("data")));
    }

    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(root.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    void installNotes() const
    {
        write(QStringLiteral("data/applications/notes.desktop"),
              "[Desktop Entry]\nType=Application\nName=Notes\nExec=true %f\nMimeType=text/plain;\n");
    }

    QTemporaryDir root;
    QProcessEnvironment environment;
};

}  // namespace

TEST_F(TextProgramDesktop, NoProgramRegisteredGivesNone)
{
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty()) << "xdg-utils is missing";
    EXPECT_EQ(desktopTextProgram(environment), QString());
}

TEST_F(TextProgramDesktop, TheProgramTheDesktopNamesForTextIsFound)
{
    installNotes();
    write(QStringLiteral("config/mimeapps.list"), "[Default Applications]\ntext/plain=notes.desktop;\n");
    EXPECT_EQ(desktopTextProgram(environment), QStringLiteral("notes.desktop"));
}

TEST_F(TextProgramDesktop, ADefaultWhoseProgramIsGoneGivesNone)
{
    write(QStringLiteral("config/mimeapps.list"), "[Default Applications]\ntext/plain=removed.desktop;\n");
    EXPECT_EQ(desktopTextProgram(environment), QString());
}

TEST_F(TextProgramDesktop, WithoutXdgUtilsThereIsNoneAtOnce)
{
    installNotes();
    environment.insert(QStringLiteral("PATH"), root.filePath(QStringLiteral("home")));
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_EQ(desktopTextProgram(environment), QString());
    EXPECT_LT(elapsed.elapsed(), 500);
}
