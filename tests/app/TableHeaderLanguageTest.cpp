#include "TableFixture.h"

#include "app/GameLanguage.h"
#include "support/VisibleTexts.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>

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
    std::vector<QLabel*> values() const
    {
        return {table->LabLAST, table->LabOYA, table->LabNAGEKAI, table->LabBETMIN, table->LabBETMAX};
    }
    // Where a label draws its text, in the table's coordinates.
    static QRect textPlace(const QLabel* label)
    {
        const QSize text(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->height());
        return QStyle::alignedRect(Qt::LeftToRight, label->alignment(), text, label->geometry());
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
    // Each caption is read with its own number: at most half as far from it as from the number before.
    for (std::size_t i = 1; i < captions().size(); ++i) {
        const QRect caption = textPlace(captions()[i]);
        EXPECT_LE(2 * (textPlace(values()[i]).left() - caption.right()),
                  caption.left() - textPlace(values()[i - 1]).right())
            << caption.left() << " " << captions()[i]->text().toStdString();
    }
    ASSERT_TRUE(useLanguage(Language::Japanese));
    QCoreApplication::processEvents();
    EXPECT_EQ(shown(), japanese);
    for (const QLabel* caption : captions())
        EXPECT_EQ(caption->alignment(), Qt::AlignLeft | Qt::AlignVCenter) << caption->objectName().toStdString();
}

}  // namespace
