#pragma once

#include "app/frmMain.h"
#include "settings/AppFolder.h"
#include "state/Program.h"
#include "support/ScriptedPlatform.h"
#include "support/TableFolder.h"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QStringList>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

inline QStringList indicatorFiles()
{
    QStringList names{QStringLiteral("sound_0.gif"), QStringLiteral("sound_1.gif")};
    for (int level = 1; level <= 19; ++level)
        names << QStringLiteral("speed_%1.gif").arg(level);
    return names;
}

// The indicator file whose picture the label shows, or "(none)".
inline QString shownPicture(const QLabel* label)
{
    const QImage shown = label->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    if (shown.isNull())
        return QStringLiteral("(none)");
    for (const QString& name : indicatorFiles()) {
        if (QImage(AppFolder() + name).convertToFormat(QImage::Format_RGB32) == shown)
            return name;
    }
    return QStringLiteral("(other)");
}

// The window's frame sits in the middle of the available screen, give or take its border.
inline ::testing::AssertionResult centredOnScreen(const QWidget* window)
{
    const QRect screen = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    const int slack = 1 + qMax(frame.width() - window->width(), frame.height() - window->height());
    const QPoint off = frame.center() - screen.center();
    if (std::abs(off.x()) <= slack && std::abs(off.y()) <= slack)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "frame centre is off by (" << off.x() << ", " << off.y() << ")";
}

// Runs the deferred deletes, so that a closed window's QPointer is null.
inline void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// A table started in a folder of its own, with one distinct picture per indicator file, so that a
// test can tell which file a label shows. (The pictures are PNG data under .gif names; Qt reads
// a picture by its content when the name's format does not fit.)
class SoundSpeedHelpTest : public ::testing::Test {
protected:
    SoundSpeedHelpTest()
    {
        const QStringList names = indicatorFiles();
        for (int i = 0; i < names.size(); ++i) {
            QImage image(32, 16, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(i * 17, 200, 220));
            image.save(folder.filePath(names[i]), "PNG");
        }
        table = std::make_unique<frmMain>();
    }

    ~SoundSpeedHelpTest() override
    {
        table.reset();
        settle();
    }

    void writeFile(const QString& name, const QByteArray& bytes) { folder.write(name, bytes); }

    ScriptedPlatform scripted;
    TableFolder folder;
    std::unique_ptr<frmMain> table;
};
