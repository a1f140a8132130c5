#include "EnglishTableFixture.h"

#include "app/GameLanguage.h"
#include "app/TableZoom.h"
#include "support/TextFit.h"
#include "ui/widgets/ElidedLabel.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSettings>

#include <gtest/gtest.h>

#include <functional>

namespace {

// A button of the kind given, two pixels wider than its caption alone.
template <typename Button>
std::function<QWidget*(QWidget*)> barelyText(const char* text)
{
    return [text](QWidget* parent) {
        auto* button = new Button(QString::fromLatin1(text), parent);
        button->resize(button->fontMetrics().horizontalAdvance(QString::fromLatin1(text)) + 2, button->sizeHint().height());
        return button;
    };
}

TEST(TextFit, NamesTheControlsWhoseTextNeedsMoreRoomThanTheyHave)
{
    const QString longText = QStringLiteral("A text far too long for eighty pixels");
    const struct {
        const char* what;
        std::function<QWidget*(QWidget*)> make;
        bool cut;
    } cases[] = {
        {"a label as wide as its text", [](QWidget* p) { auto* l = new QLabel("Score", p); l->adjustSize(); return l; }, false},
        {"a narrow label", [&](QWidget* p) { auto* l = new QLabel(longText, p); l->resize(80, 30); return l; }, true},
        {"a label whose two lines need more height",
         [](QWidget* p) { auto* l = new QLabel("one\ntwo", p); l->resize(200, 10); return l; }, true},
        {"a wrapping label with the height for its lines",
         [&](QWidget* p) { auto* l = new QLabel(longText, p); l->setWordWrap(true); l->resize(80, 200); return l; }, false},
        {"a wrapping label one line high",
         [&](QWidget* p) { auto* l = new QLabel(longText, p); l->setWordWrap(true); l->resize(80, 18); return l; }, true},
        {"a label that elides",
         [&](QWidget* p) { auto* l = new ElidedLabel(p); l->setText(longText); l->resize(80, 30); return l; }, false},
        {"a hidden narrow label",
         [&](QWidget* p) { auto* l = new QLabel(longText, p); l->resize(80, 30); l->hide(); return l; }, false},
        {"a button as wide as its size hint",
         [](QWidget* p) { auto* b = new QPushButton("&Close", p); b->resize(b->sizeHint()); return b; }, false},
        {"a button with room for its text but not its padding", barelyText<QPushButton>("Close"), true},
        {"a check box with room for its text but not its box", barelyText<QCheckBox>("Computer"), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QWidget root;
        root.resize(400, 400);
        QWidget* control = c.make(&root);
        control->setObjectName(QStringLiteral("control"));
        root.show();
        const QStringList cut = textsThatDoNotFit(&root);
        EXPECT_EQ(!cut.isEmpty(), c.cut) << cut.join(u'|').toStdString();
        if (c.cut && !cut.isEmpty()) {
            EXPECT_TRUE(cut.first().startsWith(QStringLiteral("control: ")));
        }
    }
}

// Six seats mid-turn with every label filled, in each language at each step of the zoom.
class TableTextFit : public ::testing::Test, public EnglishTableFixture {
protected:
    ~TableTextFit() override
    {
        QSettings(QStringLiteral("qubrin"), QStringLiteral("qubrin")).remove(QStringLiteral("table/zoom"));
    }
};

TEST_F(TableTextFit, EveryTextOfTheTableFitsItsControlInBothLanguagesAtEachStep)
{
    open({{"NINZU", "6"}, {"BETMIN", "100"}, {"BETMAX", "9999"}});
    table->show();
    platform.seconds = 0;
    newGame();
    scriptBets({0.5f, 0.5f, 0.5f, 0.5f, 0.5f});
    openBets();
    // The longest hand, out of the bowl, among them: each step of the zoom narrows it to its label again.
    scriptThrows({{2, 2, 3}, {4, 5, 6}, {1, 2, 3}, {1, 2, 4}, {1, 2, 4}, {9, 1, 1}, {6, 6, 6}, {3, 3, 5}});
    throwDice();
    for (const Language language : {Language::Japanese, Language::English}) {
        ASSERT_TRUE(useLanguage(language));
        QCoreApplication::processEvents();
        EXPECT_EQ(table->L_LabLAST->text(), language == Language::English ? "Left" : QStringLiteral("残り回数"));
        EXPECT_EQ(table->P_yaku[4]->text(), language == Language::English ? "Out of the bowl" : QStringLiteral("場　外"));
        for (const int percent : TableZoom::Steps) {
            table->tableZoom->apply(percent);
            EXPECT_EQ(textsThatDoNotFit(table.get()).join(u'|').toStdString(), "")
                << languageCode(language).toStdString() << " at " << percent << " %";
        }
    }
}

}  // namespace
