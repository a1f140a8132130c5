// The checks of the number fields as they change, and OK, which applies the dialog.
#include "ui/settings/frmSet.h"

#include "platform/Platform.h"
#include "settings/NumberText.h"
#include "settings/SettingsLimits.h"
#include "state/Program.h"
#include "ui/settings/ChoiceBox.h"
#include "ui/settings/SettingsTexts.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <optional>
#include <type_traits>

namespace {

using namespace settingsTexts;

// The check that runs on each change of a number field's text. It stores the whole number into
// its field (when it has one) before both range tests, which run independently.
struct ChangeCheck {
    const char* notNumber;
    qint32 SettingsRecord::* field;  // nullptr: checked as a real number, not stored
    bool (*first)(double value, const SettingsRecord& s);
    const char* firstMessage;
    bool (*second)(double value, const SettingsRecord& s);
    const char* secondMessage;
};

using S = SettingsRecord;

const ChangeCheck scoreCheck{
    numberMessage, &S::SCORE,
    [](double, const S& s) { return s.SCORE < s.BETMAX; }, smallMessage,
    [](double, const S& s) { return s.SCORE > 999999; }, largeMessage};
const ChangeCheck betMaxCheck{
    numberMessage, &S::BETMAX,
    [](double, const S& s) { return s.BETMAX < s.BETMIN; }, smallMessage,
    [](double, const S& s) { return s.BETMAX > 9999 || s.SCORE < s.BETMAX; }, largeMessage};
const ChangeCheck betMinCheck{
    numberMessage, &S::BETMIN,
    [](double, const S& s) { return s.BETMIN > s.BETMAX; }, largeMessage,
    [](double, const S& s) { return s.BETMIN < 0; }, smallMessage};
const ChangeCheck lastCheck{
    digitsMessage, &S::LAST,
    [](double, const S& s) { return s.LAST < 1; }, smallMessage,
    [](double, const S& s) { return s.LAST > 9999; }, largeMessage};
const ChangeCheck oyaCheck{
    digitsMessage, &S::OYA,
    [](double, const S& s) { return s.OYA < 1; }, smallMessage,
    [](double, const S& s) { return s.OYA > 9; }, largeMessage};
const ChangeCheck nagekaiCheck{
    digitsMessage, nullptr,
    [](double value, const S&) { return value < 1; }, smallMessage,
    [](double value, const S&) { return value > 5; }, largeMessage};

void runChangeCheck(QWidget* parent, const ChangeCheck& check, const QString& text)
{
    // A number too large for a 32-bit field counts as no number at all.
    const std::optional<qint32> whole = toInt32(text);
    if (!whole) {
        platform().warn(parent, shown(check.notNumber));
        return;
    }
    SettingsRecord& settings = program::GameSettings;
    double value = *parseNumber(text);
    if (check.field) {
        settings.*check.field = *whole;
        value = *whole;
    }
    if (check.first(value, settings))
        platform().warn(parent, shown(check.firstMessage));
    if (check.second(value, settings))
        platform().warn(parent, shown(check.secondMessage));
}

}  // namespace

void frmSet::Txtscore_Change() { runChangeCheck(this, scoreCheck, Txtscore->text()); }
void frmSet::txtBETMAX_Change() { runChangeCheck(this, betMaxCheck, txtBETMAX->text()); }
void frmSet::txtBETMIN_Change() { runChangeCheck(this, betMinCheck, txtBETMIN->text()); }
void frmSet::txtLAST_Change() { runChangeCheck(this, lastCheck, txtLAST->text()); }
void frmSet::Comoya_Change() { runChangeCheck(this, oyaCheck, Comoya->text()); }
void frmSet::Comnagekai_Change() { runChangeCheck(this, nagekaiCheck, Comnagekai->text()); }

void frmSet::putText(QLineEdit* field, const QString& text)
{
    if (field->text() != text) {
        field->setText(text);  // the check runs on textChanged
        return;
    }
    const std::array<std::pair<QLineEdit*, void (frmSet::*)()>, 4> fieldChecks{{
        {Txtscore, &frmSet::Txtscore_Change},
        {txtBETMAX, &frmSet::txtBETMAX_Change},
        {txtBETMIN, &frmSet::txtBETMIN_Change},
        {txtLAST, &frmSet::txtLAST_Change},
    }};
    for (const auto& [edit, check] : fieldChecks) {
        if (edit == field)
            (this->*check)();
    }
}

void frmSet::OKCom_Click()
{
    SettingsRecord& settings = program::GameSettings;
    // A text that is no number of the field's width gets the default, and the field's check runs.
    const auto whole16 = [](ChoiceBox* box, const char* fallback) {
        if (!toInt16(box->text()))
            box->setText(QString::fromLatin1(fallback));
        return *toInt16(box->text());
    };
    const auto whole32 = [this](auto* box, const char* fallback) {
        if (!toInt32(box->text())) {
            if constexpr (std::is_same_v<decltype(box), QLineEdit*>)
                putText(box, QString::fromLatin1(fallback));
            else
                box->setText(QString::fromLatin1(fallback));
        }
        return *toInt32(box->text());
    };

    if (program::GameFlag == 0) {
        settings.NINZU = whole16(Comninzu, "6");
        settings.SCORE = whole32(Txtscore, "500");
        settings.BETMAX = whole32(txtBETMAX, "50");
        settings.BETMIN = whole32(txtBETMIN, "5");
        settings.OYA = whole32(Comoya, "3");
        settings.LAST = whole32(txtLAST, "30");
        settings.NAGEKAI = whole32(Comnagekai, "3");
        // Seat count, the clamps of score and bets, and the ranges of the three counts.
        normaliseSettings(settings);
        // Seats out of play keep their name, flag and picture number in the settings.
        const rules::SeatCharacters characters = chosenCharacters();
        for (int seat = 0; seat < settings.seatsInPlay(); ++seat) {
            settings.flag(seat) = ticked(P_flgCheck[seat]) ? 1 : 0;
            program::Characters[size_t(seat)] = characters[size_t(seat)];
        }
        const auto boxes = checks();
        for (int n = 1; n <= 12; ++n)
            settings.check(n) = ticked(boxes[n - 1]) ? 1 : 0;
    }

    for (int seat = 0; seat < program::GameSettings.seatsListed(); ++seat) {
        if (P_nameTex[seat]->text().isEmpty())
            P_nameTex[seat]->setText(QStringLiteral("○△□"));
        settings.name(seat) = P_nameTex[seat]->text();
        settings.image(seat) = whole16(Comimag[seat], "1");
    }

    emit settingsApplied();
    close();
}
