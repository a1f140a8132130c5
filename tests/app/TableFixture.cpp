#include "TableFixture.h"

#include "settings/AppFolder.h"
#include "settings/ProfileSection.h"
#include "state/Program.h"
#include "ui/widgets/CommandLabel.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

namespace {

// Four seats: seat 0 a person, the others the computer; modest stakes; a short game.
const std::map<QString, QString> defaults{
    {"NINZU", "4"},     {"SCORE", "1000"},  {"BETMAX", "100"},  {"BETMIN", "10"},   {"OYA", "2"},
    {"LAST", "5"},      {"NAGEKAI", "3"},   {"P_NAME0", "あなた"}, {"P_NAME1", "タロウ"},
    {"P_NAME2", "ハナコ"}, {"P_NAME3", "ゲン"}, {"P_NAME4", "ミケ"}, {"P_NAME5", "リュウ"},
    {"P_FLG0", "0"},    {"P_FLG1", "1"},    {"P_FLG2", "1"},    {"P_FLG3", "1"},    {"P_FLG4", "1"},
    {"P_FLG5", "1"},    {"P_IMAG0", "1"},   {"P_IMAG1", "2"},   {"P_IMAG2", "3"},   {"P_IMAG3", "4"},
    {"P_IMAG4", "5"},   {"P_IMAG5", "6"},
};

float faceDraw(int face)
{
    return face == 9 ? 0.9999f : (static_cast<float>(face) - 0.5f) / 6.001f;
}

}  // namespace

TableFixture::TableFixture()
{
    program::reset();
    // The pictures and sounds beside the test program, but no settings file.
    const QDir built(QCoreApplication::applicationDirPath());
    for (const QString& name : built.entryList({"*.gif", "*.wav", "*.txt"}, QDir::Files))
        QFile::copy(built.filePath(name), folder.filePath(name));
    setAppFolderForTests(folder.path());
}

TableFixture::~TableFixture()
{
    table.reset();
    setAppFolderForTests(QString());
}

void TableFixture::open(const std::map<QString, QString>& overrides)
{
    std::map<QString, QString> values = defaults;
    for (const auto& [key, value] : overrides)
        values[key] = value;
    QList<ProfileEntry> entries;
    for (const auto& [key, value] : values)
        entries.append({key, value});
    writeProfileSection(folder.filePath(QStringLiteral("dice.ini")), entries);
    table = std::make_unique<frmMain>();
}

void TableFixture::openWithoutSettings() { table = std::make_unique<frmMain>(); }

void TableFixture::scriptBets(std::initializer_list<float> draws)
{
    for (float r : draws)
        platform.draws.enqueue(r);
}

void TableFixture::scriptThrows(std::initializer_list<Faces> throws)
{
    for (const Faces& faces : throws) {
        for (int face : faces)
            platform.draws.enqueue(faceDraw(face));
        for (int frame = 0; frame < 15; ++frame)
            platform.draws.enqueue(0.5f);
    }
}

QImage TableFixture::picture(const QString& fileName) const
{
    return QPixmap(folder.filePath(fileName)).toImage();
}

QImage TableFixture::shown(const QLabel* label)
{
    return label->pixmap().toImage();
}

void TableFixture::newGame() { table->Gamein->trigger(); }
void TableFixture::openBets() { QTest::mouseClick(table->bent_Label, Qt::LeftButton); }
void TableFixture::throwDice() { QTest::mouseClick(table->turn_Label, Qt::LeftButton); }
void TableFixture::nextTurn() { QTest::mouseClick(table->turn2_Label, Qt::LeftButton); }
void TableFixture::pass() { QTest::mouseClick(table->suru_Label, Qt::LeftButton); }
