#include "TableFixture.h"

#include "settings/ProfileSection.h"
#include "ui/widgets/CommandLabel.h"

#include <QAction>
#include <QTest>

namespace {

// Four seats: seat 0 a person, the others the computer; modest stakes; a short game.
std::map<QString, QString> defaults()
{
    std::map<QString, QString> values{{"NINZU", "4"}, {"SCORE", "1000"}, {"BETMAX", "100"}, {"BETMIN", "10"},
                                      {"OYA", "2"},   {"LAST", "5"},     {"NAGEKAI", "3"}};
    for (int seat = 0; seat < 6; ++seat) {
        const QString n = QString::number(seat);
        values["P_NAME" + n] = seatNames[seat];
        values["P_FLG" + n] = seat == 0 ? "0" : "1";
        values["P_IMAG" + n] = QString::number(seat + 1);
    }
    return values;
}

float faceDraw(int face)
{
    return face == 9 ? 0.9999f : (static_cast<float>(face) - 0.5f) / 6.001f;
}

}  // namespace

// The pictures and sounds beside the test program, but no settings file.
TableFixture::TableFixture() { folder.copyBuilt({"*.gif", "*.wav", "*.txt"}); }

TableFixture::~TableFixture() { table.reset(); }

void TableFixture::open(const std::map<QString, QString>& overrides)
{
    std::map<QString, QString> values = defaults();
    for (const auto& [key, value] : overrides)
        values[key] = value;
    QList<ProfileEntry> entries;
    for (const auto& [key, value] : values)
        entries.append({key, value});
    writeProfileSection(folder.filePath(QStringLiteral("dice.ini")), entries);
    table.reset();  // one table at a time: the zoom in force is the table's
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
