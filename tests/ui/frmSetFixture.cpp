#include "frmSetFixture.h"

#include "state/Program.h"

#include <QAbstractItemView>
#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QTest>

SettingsDialogTest::SettingsDialogTest()
{
    for (int n = 0; n <= 9; ++n) {
        QImage picture(33, 33, QImage::Format_RGB32);
        picture.fill(QColor::fromHsv(n * 35, 200, 220));
        picture.save(folder.filePath(QStringLiteral("img%1.gif").arg(n)), "PNG");
    }
    table = std::make_unique<frmMain>();  // no dice.ini: one warning, nothing read
}

SettingsDialogTest::~SettingsDialogTest()
{
    table.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

SettingsRecord SettingsDialogTest::playable()
{
    SettingsRecord s;
    s.NINZU = 4;
    s.SCORE = 500;
    s.BETMAX = 50;
    s.BETMIN = 5;
    s.OYA = 3;
    s.LAST = 30;
    s.NAGEKAI = 3;
    for (int i = 0; i < 6; ++i) {
        s.name(i) = seatNames[i];
        s.image(i) = static_cast<qint16>(i + 1);
        s.flag(i) = i % 2;
    }
    return s;
}

void SettingsDialogTest::open(const SettingsRecord& settings)
{
    program::GameSettings = settings;
    platform.warnings.clear();
    table->setting->trigger();
    dialog = table->settingsWindow;
    ASSERT_NE(dialog, nullptr);
}

bool SettingsDialogTest::closed()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return dialog.isNull() && table->settingsWindow.isNull();
}

void SettingsDialogTest::choose(const QString& boxName, const QString& item)
{
    QComboBox* list = find<QComboBox>(boxName);
    const int index = list->findText(item);
    ASSERT_GE(index, 0) << item.toStdString();
    // Open the list, point at the item and press Enter, as on an open drop-down.
    list->showPopup();
    QAbstractItemView* view = list->view();
    view->setCurrentIndex(view->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
}

void SettingsDialogTest::click(const QString& buttonName)
{
    QTest::mouseClick(find<QAbstractButton>(buttonName), Qt::LeftButton);
}

void SettingsDialogTest::type(const QString& fieldName, const QString& text)
{
    QLineEdit* field = edit(fieldName);
    field->setFocus();
    field->selectAll();
    // Japanese comes in as key events that carry their text, as an input method commits it.
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(field, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QString SettingsDialogTest::shownPicture(const QLabel* label) const
{
    const QImage shown = label->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    for (int n = 0; n <= 9; ++n) {
        const QString name = QStringLiteral("img%1.gif").arg(n);
        if (!shown.isNull() && shown == QImage(folder.filePath(name)).convertToFormat(QImage::Format_RGB32))
            return name;
    }
    return shown.isNull() ? QStringLiteral("(none)") : QStringLiteral("(other)");
}

QString SettingsDialogTest::iniFile(const QString& name, const QStringList& lines) const
{
    return folder.write(name, TableFolder::settingsSection(lines));
}

void SettingsDialogTest::load(const QString& path)
{
    platform.fileChoices.enqueue(path);
    click(QStringLiteral("cmdGPPS"));
}

std::string SettingsDialogTest::takeWarnings()
{
    const QStringList taken = platform.warnings;
    platform.warnings.clear();
    return said(taken);
}

std::string SettingsDialogTest::said(const QStringList& warnings)
{
    return warnings.join(QStringLiteral(" | ")).toStdString();
}
