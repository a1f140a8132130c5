#include "TableFixture.h"

#include "app/GameLanguage.h"
#include "support/VisibleTexts.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>

#include <gtest/gtest.h>

namespace {

class TableHeaderLanguage : public ::testing::Test, public TableFixture {
protected:
    TableHeaderLanguage() { folder.copyBuilt({QStringLiteral("qubrin_en.qm")}); }
    ~TableHeaderLanguage() override { useLanguage(Language::Japanese); }

    std::vector<QLabel*> captions() const
    {
        return {table->L_LabLAST, table->L_LabOYA, table->L_LabNAGEKAI, table->L_LabBETMIN, table->L_LabBETMAX};
    }
    QStringList shown() const
    {
        QStringList texts;
        for (const QLabel* caption : captions())
            texts << caption->text();
        return texts;
    }
};

// The captions over the game's numbers are English words that fit their places, and Japanese again after.
TEST_F(TableHeaderLanguage, TheCaptionsFollowTheLanguageAndFit)
{
    open();
    const QStringList japanese = shown();
    ASSERT_EQ(japanese, (QStringList{"残り回数", "親の回数", "振る回数", "下限", "上限"}));
    ASSERT_TRUE(useLanguage(Language::English));
    QCoreApplication::processEvents();
    EXPECT_EQ(shown(), (QStringList{"Left", "Banks", "Throws", "Min", "Max"}));
    for (const QLabel* caption : captions()) {
        EXPECT_FALSE(containsJapanese(caption->text())) << caption->objectName().toStdString();
        EXPECT_LE(QFontMetrics(caption->font()).horizontalAdvance(caption->text()), caption->width())
            << caption->text().toStdString();
    }
    ASSERT_TRUE(useLanguage(Language::Japanese));
    QCoreApplication::processEvents();
    EXPECT_EQ(shown(), japanese);
}

}  // namespace
