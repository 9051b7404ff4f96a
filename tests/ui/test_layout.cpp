// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/window_test.h"
#include "ui/bet_details_window/bet_details_window.h"
#include "ui/fair_odds_window/fair_odds_window.h"
#include "ui/match_model_window/match_model_window.h"
#include "ui/fork_calculator_window/fork_calculator_window.h"
#include "ui/fork_window/fork_window.h"
#include "ui/help_window/help_window.h"
#include "ui/journal_window/journal_window.h"
#include "ui/line_fork_window/line_fork_window.h"
#include "ui/main_window/main_window.h"
#include "ui/movements_window/movements_window.h"
#include "ui/odds_formats_window/odds_formats_window.h"
#include "ui/settlement_window/settlement_window.h"
#include "ui/toolkit/fitting_label.h"

namespace {

bool shows(QWidget* c)
{
    return c->isVisible() && !(qobject_cast<QLabel*>(c) && qobject_cast<QLabel*>(c)->text().isEmpty());
}

// Why a control breaks the look of its window, or nothing. A pixel's overlap is the design's rounding.
QString flaw(QWidget* c)
{
    if (!c->parentWidget()->rect().contains(c->geometry()))
        return "sticks out of its parent";
    for (QWidget* other : c->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (const QRect both = other->geometry().intersected(c->geometry());
            other != c && both.width() > 1 && both.height() > 1 && shows(other) && shows(c))
            return "overlaps " + other->objectName();
    const QFontMetrics metrics(c->font());
    const int room = c->contentsRect().width();
    auto* button = qobject_cast<QAbstractButton*>(c);
    if (auto* frame = qobject_cast<QGroupBox*>(c))
        return metrics.horizontalAdvance(frame->title()) < room - 8 ? "" : "title cut";
    if (qobject_cast<QPushButton*>(c) && button->text().isEmpty() == button->icon().isNull())
        return "neither caption nor icon";
    const int mark = qobject_cast<QPushButton*>(c) ? 1 // a button's caption needs a pixel to spare
                                                   : c->style()->pixelMetric(QStyle::PM_IndicatorWidth)
                                                         + c->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    if (button)
        return metrics.horizontalAdvance(button->text()) <= room - mark ? "" : "caption cut";
    auto* label = qobject_cast<QLabel*>(c);
    if (!label || qobject_cast<zoret::ui::FittingLabel*>(label))
        return {};
    const QRect inside = c->contentsRect();
    return inside.contains(metrics.boundingRect(
               inside, int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0), label->text()))
               ? ""
               : "caption cut";
}

// At the scale the test runs at: every control lies inside its parent, no two siblings overlap, every caption
// fits, a button shows a caption or an icon, Tab visits the controls in the order given, and the window keeps the
// size the design gives its client area (in twips; a menu bar adds its own height), which no frame button changes;
// a window without a design size can be resized.
template <typename Window>
void checkDesign(const QString& title, const QString& tabOrder, std::optional<QSize> twips)
{
    Window window;
    window.load();
    QWidget* w = window.window();
    QCOMPARE(w->windowTitle(), title);
    QStringList flaws, chain;
    for (QWidget* c : w->findChildren<QWidget*>(QRegularExpression("^(?!qt_).")))
        if (const QString why = c->isVisibleTo(w) ? flaw(c) : ""; !why.isEmpty())
            flaws << c->objectName() + " " + why;
    QVERIFY2(flaws.isEmpty(), qPrintable(flaws.join("; ")));
    const QStringList order = tabOrder.split(' ');
    QWidget *const first = control<QWidget>(w, qPrintable(order.value(0))), *at = first;
    do
        if (at->focusPolicy() & Qt::TabFocus && !at->objectName().startsWith("qt_") && at->window() == w)
            chain << at->objectName();
    while ((at = at->nextInFocusChain()) != first);
    QCOMPARE(chain.join(' '), tabOrder);
    if (!twips) // a window of its own design, which the user may resize
    {
        QVERIFY(w->minimumSize().width() < w->maximumSize().width());
        return;
    }
    const int menu = w->findChild<QMenuBar*>() ? w->findChild<QMenuBar*>()->sizeHint().height() : 0;
    const QSize client = QSize(zoret::ui::toPixels(twips->width()), zoret::ui::toPixels(twips->height()));
    QCOMPARE(w->minimumSize(), client + QSize(0, menu));
    QCOMPARE(w->maximumSize(), client + QSize(0, menu));
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
}

// The journal window on a journal of its own, in an empty temporary folder; made before the window that uses it.
struct LoneJournal {
    QTemporaryDir data;
    zoret::ui::JournalAccess access{data.filePath("journal.sqlite")};
};
class LoneJournalWindow : private LoneJournal, public zoret::ui::JournalWindow {
public:
    LoneJournalWindow()
        : JournalWindow(
            access, [](const zoret::JournalBet&, bool, QWidget*) {}, [](QWidget*) {})
    {
    }
};

class LoneMovementsWindow : private LoneJournal, public zoret::ui::MovementsWindow {
public:
    LoneMovementsWindow() : MovementsWindow(access) {}
};

} // namespace

class Layouts : public QObject {
    Q_OBJECT

private slots:
    void mainWindow()
    {
        checkDesign<zoret::ui::MainWindow>("Zoret - от Lorvi'а",
                                           "Text1 Command1 Command2 Command4 List1 Combo1 Command3 Command8 Command7 "
                                           "Command9 optEndsum optKf optBeginsum textSum textKf textStavka Check1 "
                                           "ComBatRezult Command11 Command6 Command10 Command5",
                                           QSize(8670, 4560));
    }
    void forkWindow()
    {
        checkDesign<zoret::ui::ForkWindow>(
            "Zoret",
            "Combo1 Text1 Text2 Text3 Text4 Command5 Text5 Command4 Check1 Check2 Check3 Check4 Command1 Command2",
            QSize(7695, 3150));
    }
    void helpWindow() { checkDesign<zoret::ui::HelpWindow>("Помощь", "Command1", QSize(5070, 6495)); }
    void settlementWindow()
    {
        checkDesign<zoret::ui::SettlementWindow>(
            "Расчёт ставки", "Grid1 Combo1 Text1 Option1 Option2 Grid2 Command2 Command1", QSize(9600, 6720));
    }
    void forkCalculatorWindow()
    {
        checkDesign<zoret::ui::ForkCalculatorWindow>("Калькулятор вилки",
                                                     "Combo1 Text1 Combo2 Grid1 Odds1 Commission1 Stake1 Fixed1 Share1 "
                                                     "Odds2 Commission2 Stake2 Fixed2 Share2 Command1 Command2",
                                                     {});
    }
    void fairOddsWindow()
    {
        checkDesign<zoret::ui::FairOddsWindow>(
            "Справедливые коэффициенты",
            "Combo1 Combo2 Text1 Combo3 Grid1 Odds1 Mine1 Odds2 Mine2 Odds3 Mine3 Command2", {});
    }
    void lineForkWindow()
    {
        checkDesign<zoret::ui::LineForkWindow>("Вилки на форах и тоталах",
                                               "Combo1 Text1 Combo2 Grid1 Market1 Line1 Odds1 Commission1 Lay1 "
                                               "Stake1 Fixed1 Market2 Line2 Odds2 Commission2 Lay2 Stake2 Fixed2 "
                                               "Text2 Text3 Command3 Grid2 Command1 Command2",
                                               {});
    }
    void oddsFormatsWindow()
    {
        checkDesign<zoret::ui::OddsFormatsWindow>("Форматы коэффициентов",
                                                  "Combo1 Text1 CopyDecimal CopyFractional CopyAmerican CopyHongKong "
                                                  "CopyMalay CopyIndonesian CopyProbability Command1",
                                                  {});
    }

    void matchModelWindow()
    {
        checkDesign<zoret::ui::MatchModelWindow>("Модель матча",
                                                 "Odds1 Odds2 Odds3 Combo1 TotalLine Over Under Lambda1 Lambda2 Grid1 "
                                                 "Grid2 Grid3 Market Line Offered Command1 Command2",
                                                 {});
    }
    void journalWindow()
    {
        checkDesign<LoneJournalWindow>(
            "Журнал ставок",
            "Combo1 DateFrom DateTo Combo2 Combo3 Grid1 Command1 Command3 Command4 Command5 Command6 Command2", {});
    }
    // An editable combo box's own line edit, which has no name, follows it.
    void betDetailsWindow()
    {
        checkDesign<zoret::ui::BetDetailsWindow>("В журнал", "Combo1  Text1 Date1 Command1 Command2",
                                                 QSize(4800, 1950));
    }
    void movementsWindow()
    {
        checkDesign<LoneMovementsWindow>(
            "Движения средств", "Grid1 Date1 Combo1  Option1 Option2 Text1 Text2 Command1 Command3 Command2", {});
    }
};

ZORET_UI_TEST_MAIN(Layouts)
#include "test_layout.moc"
