// The windows' own texts are set in fonts that skip the search for fallback
// fonts: every character they can show must be in the font itself, or it
// would be drawn as an empty box. The fields the user types into take the
// fallback fonts on when their text needs them; the almanac editor always
// has them.
#include "almanac_window/koyomi_form.h"
#include "dialogs/nengo_form.h"
#include "dialogs/ver_form.h"
#include "fonts/fonts.h"
#include "tests/calculator/form_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QFontMetrics>
#include <QMenu>
#include <QPlainTextEdit>
#include <QtTest>

using vadelon::CalcMode;
using vadelon::testing::FormFixture;
using vadelon::testing::ScriptedPlatform;

namespace {

bool MergesFallbacks(const QFont& font)
{
    return !(font.styleStrategy() & QFont::NoFontMerging);
}

// The characters of text that font, used without fallbacks, cannot draw.
QString Missing(const QFont& font, const QString& text)
{
    const QFontMetrics metrics(font);
    QString missing;
    for (const char32_t c : text.toUcs4()) {
        if (c != U'&' && !QChar::isSpace(c) && !metrics.inFontUcs4(c))
            missing += QString::fromUcs4(&c, 1);
    }
    return missing;
}

// Every text a window shows in its own controls, with the font it is shown
// in: labels, buttons, drop-down items and the items of menus that take the
// window's font.
QList<std::pair<QString, QFont>> ShownTexts(const QWidget* window)
{
    QList<std::pair<QString, QFont>> texts;
    for (const QLabel* label : window->findChildren<QLabel*>())
        texts.append({label->text(), label->font()});
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        texts.append({button->text(), button->font()});
    for (const QComboBox* combo : window->findChildren<QComboBox*>()) {
        for (int i = 0; i < combo->count(); ++i)
            texts.append({combo->itemText(i), combo->font()});
    }
    for (const QMenu* menu : window->findChildren<QMenu*>()) {
        texts.append({menu->title(), menu->font()});
        for (const QAction* action : menu->actions())
            texts.append({action->text(), menu->font()});
    }
    return texts;
}

void CheckShownTexts(const QWidget* window)
{
    for (const auto& [text, font] : ShownTexts(window)) {
        if (MergesFallbacks(font))
            continue;
        const QString missing = Missing(font, text);
        QVERIFY2(missing.isEmpty(), qPrintable(window->objectName() + ": \"" + text + "\" lacks " + missing));
    }
}

// The hints of every control and menu item, as the status bar shows them.
void CheckHints(const QObject* owner, const QFont& statusFont)
{
    QStringList hints;
    for (const QWidget* widget : owner->findChildren<QWidget*>())
        hints << widget->statusTip();
    for (const QAction* action : owner->findChildren<QAction*>())
        hints << action->statusTip();
    for (const QString& hint : hints) {
        const QString missing = Missing(statusFont, hint);
        QVERIFY2(missing.isEmpty(), qPrintable("hint \"" + hint + "\" lacks " + missing));
    }
}

}  // namespace

class OwnTextFontsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { vadelon::InstallFontSubstitutions(); }

    void calculatorWindowInEveryModeAndWeekday()
    {
        FormFixture f;
        const QFont statusFont = f->findChild<QLabel*>("SimpleText")->font();
        QVERIFY(!MergesFallbacks(statusFont));
        QVERIFY(!MergesFallbacks(f.Label1->font()));
        // The check itself sees a character the IPA fonts lack (a Hangul syllable).
        QCOMPARE(Missing(f.Label1->font(), QStringLiteral("計\uD55C")), QStringLiteral("\uD55C"));
        for (const CalcMode mode :
             {CalcMode::DayCount, CalcMode::DateShift, CalcMode::AgeCalc, CalcMode::BirthYearCalc, CalcMode::Almanac}) {
            f->SelectMode(mode, true);
            CheckShownTexts(f.form.get());
        }
        f->SelectMode(CalcMode::DateShift, true);
        f->ToggleShiftDirection();
        CheckShownTexts(f.form.get());
        // A week of dates, for every weekday's name.
        f->SelectMode(CalcMode::DayCount, true);
        FormFixture::Type(f.Edit1, "2000");
        FormFixture::Type(f.Edit3, "1");
        for (int day = 1; day <= 7; ++day) {
            FormFixture::Type(f.Edit4, QString::number(day));
            QVERIFY(f.Label8->text().contains(QStringLiteral("曜日")));
            QVERIFY2(Missing(f.Label8->font(), f.Label8->text()).isEmpty(), qPrintable(f.Label8->text()));
        }
        CheckHints(f.form.get(), statusFont);
    }

    void whatIsTypedTakesTheFallbacksWhenTheFontLacksIt()
    {
        FormFixture f;
        for (QLineEdit* edit : {f.Edit1, f.Edit2, f.Edit3, f.Edit4, f.Edit5, f.Edit6, f.Edit7, f.Edit8, f.Edit9}) {
            const QFont before = edit->font();
            QVERIFY2(!MergesFallbacks(before), qPrintable(edit->objectName()));
            // Digits, full-width digits and kanji are all in the font.
            edit->setText(QStringLiteral("2000１２平成"));
            QVERIFY2(!MergesFallbacks(edit->font()), qPrintable(edit->objectName()));
            // A Hangul syllable is not: from then on the box merges, in the same font.
            edit->setText(QStringLiteral("12\uD55C"));
            QVERIFY2(MergesFallbacks(edit->font()), qPrintable(edit->objectName()));
            edit->clear();
            QVERIFY2(MergesFallbacks(edit->font()), qPrintable(edit->objectName()));
            QCOMPARE(edit->font().family(), before.family());
            QCOMPARE(edit->font().pixelSize(), before.pixelSize());
            QCOMPARE(edit->font().bold(), before.bold());
        }
        QCOMPARE(f.Edit1->font().pixelSize(), 12);
        QCOMPARE(f.Edit9->font().pixelSize(), 16);
        QVERIFY(f.Edit9->font().bold());
    }

    void eraDialogWithEveryEraName()
    {
        ScriptedPlatform platform;
        vadelon::TNengoForm form(platform);
        const auto table = vadelon::EraTable();
        for (std::size_t i = 1; i + 1 < table.size(); ++i) {
            const auto& later = table[i + 1];
            form.SetQuestionTexts(
                {later.startYear, later.startMonth, later.startDay, table[i].name, later.name, {}, {}});
            CheckShownTexts(&form);
        }
        QVERIFY(!MergesFallbacks(form.Label2->font()));
    }

    void aboutBox()
    {
        vadelon::TVerForm form;
        QVERIFY(!MergesFallbacks(form.Label2->font()));
        CheckShownTexts(&form);
    }

    void almanacWindowButNotItsEditor()
    {
        ScriptedPlatform platform;
        FormFixture calculator;
        vadelon::TKoyomiForm form(platform, [](const QString&) {});
        QVERIFY(!MergesFallbacks(form.font()));
        CheckShownTexts(&form);
        CheckHints(&form, calculator->findChild<QLabel*>("SimpleText")->font());
        // A file may hold any character.
        QVERIFY(MergesFallbacks(form.Editor()->font()));
    }
};

QTEST_MAIN(OwnTextFontsTest)
#include "own_text_fonts_test.moc"
